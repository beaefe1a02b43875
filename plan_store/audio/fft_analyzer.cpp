#include "fft_analyzer.h"

#include <kiss_fftr.h>

#include <cmath>
#include <numbers>

void SpectrumAnalyzer::Free::operator()(kiss_fftr_state* p) const
{
    kiss_fftr_free(p);
}

SpectrumAnalyzer::SpectrumAnalyzer() : m_fft(kiss_fftr_alloc(kSpectrumWindow, 0, nullptr, nullptr))
{
    double sum = 0;
    for (int i = 0; i < kSpectrumWindow; ++i) {
        m_window[i] = float(0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / kSpectrumWindow));
        sum += m_window[i];
    }
    // A sine of amplitude A lands A * sum(window) / 2 in its bin.
    m_scale = float(2.0 / sum);
}

SpectrumAnalyzer::~SpectrumAnalyzer() = default;

Spectrum SpectrumAnalyzer::analyze(std::span<const float, kSpectrumWindow> samples)
{
    std::array<kiss_fft_scalar, kSpectrumWindow> windowed;
    for (int i = 0; i < kSpectrumWindow; ++i)
        windowed[i] = samples[i] * m_window[i];
    std::array<kiss_fft_cpx, kSpectrumWindow / 2 + 1> bins;
    kiss_fftr(m_fft.get(), windowed.data(), bins.data());
    Spectrum out;
    for (int k = 0; k < kSpectrumBins; ++k)
        out[k] = std::hypot(bins[k].r, bins[k].i) * m_scale;
    return out;
}
