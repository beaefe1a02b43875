#pragma once

#include <array>
#include <memory>
#include <span>

struct kiss_fftr_state;

inline constexpr int kSpectrumWindow = 1024;
inline constexpr int kSpectrumBins = kSpectrumWindow / 2;

using Spectrum = std::array<float, kSpectrumBins>;

// Magnitudes of 1,024 mono samples under a Hann window. Bin k is k * rate / 1024 Hz; a
// full-scale sine centred on a bin reads 1.0 there. Keeps scratch space: one per thread.
class SpectrumAnalyzer
{
public:
    SpectrumAnalyzer();
    ~SpectrumAnalyzer();
    SpectrumAnalyzer(const SpectrumAnalyzer&) = delete;
    SpectrumAnalyzer& operator=(const SpectrumAnalyzer&) = delete;

    Spectrum analyze(std::span<const float, kSpectrumWindow> samples);

private:
    struct Free
    {
        void operator()(kiss_fftr_state* p) const;
    };
    std::unique_ptr<kiss_fftr_state, Free> m_fft;
    std::array<float, kSpectrumWindow> m_window{};
    float m_scale = 0;
};
