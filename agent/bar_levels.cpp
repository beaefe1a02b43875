#include "bar_levels.h"

#include <algorithm>
#include <cmath>

int SpectrumLevels::levelOf(float magnitude, int height)
{
    const double scaled = std::fabs(double(magnitude)) * 500.0;
    if (!(scaled < height)) // also catches NaN and infinities
        return height;
    return static_cast<int>(scaled);
}

void SpectrumLevels::update(const std::array<float, 512>& magnitudes, int height)
{
    for (int band = 0; band < kBands; ++band) {
        const int level = band < int(magnitudes.size()) ? levelOf(magnitudes[band], height) : 0;
        peaks[band] = level < peaks[band] ? peaks[band] - 1 : level;
        falls[band] = level < falls[band] ? falls[band] - 3 : level;
        peaks[band] = std::max(peaks[band], 0);
        falls[band] = std::max(falls[band], 0);
    }
}
