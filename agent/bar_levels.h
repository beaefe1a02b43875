#pragma once

#include <array>

// The bars and peak markers of the reminder window's spectrum: one band per FFT value, bars
// fall 3 pixels a tick, peak markers 1 pixel.
struct SpectrumLevels
{
    static constexpr int kBands = 513;
    std::array<int, kBands> peaks{};
    std::array<int, kBands> falls{};

    // Takes the 512 magnitudes of one tick (the 513th band always reads 0) for a picture
    // of the given height.
    void update(const std::array<float, 512>& magnitudes, int height);

    static int levelOf(float magnitude, int height);
};
