#include "screens/ScreenArtNoise.h"

#include <cmath>

#include "screens/ScreenArtRandom.h"

namespace assetgen {
namespace {

double Smooth(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

ScreenArtNoise::ScreenArtNoise(std::uint32_t seed) {
    ScreenArtRandom random(seed);
    for (int i = 0; i < 256; ++i) {
        permutation[i] = static_cast<std::uint8_t>(i);
        values[i] = static_cast<float>(random.Uniform());
    }
    for (int i = 255; i > 0; --i) {
        const int j = static_cast<int>(random.Next() % static_cast<std::uint32_t>(i + 1));
        std::swap(permutation[i], permutation[j]);
    }
    for (int i = 0; i < 256; ++i) {
        permutation[256 + i] = permutation[i];
    }
}

double ScreenArtNoise::Lattice(int x, int y) const {
    return values[permutation[permutation[x & 255] + (y & 255)]];
}

double ScreenArtNoise::At(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
    const double bottom =
        Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double ScreenArtNoise::Fbm(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so the lattice corners of the layers do not line up.
        sum += weight * At(x + i * 17.31, y + i * 9.73);
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

double ScreenArtNoise::Ridged(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        const double n = 1 - std::fabs(2 * At(x + i * 31.7, y + i * 5.1) - 1);
        sum += weight * n * n;
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

} // namespace assetgen
