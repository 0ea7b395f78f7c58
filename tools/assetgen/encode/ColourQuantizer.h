#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// Chooses at most a given number of colours for a set of 0xRRGGBB pixels by median cut, and maps
// pixels to their nearest palette entry. Colours that must stay exact (the key) are given first
// and always map to themselves.
class ColourQuantizer {
public:
    ColourQuantizer(const std::vector<std::uint32_t>& pixels, std::size_t maxColours,
                    const std::vector<std::uint32_t>& exact);

    const std::vector<std::uint32_t>& Palette() const { return palette; }
    std::uint8_t IndexOf(std::uint32_t rgb) const;

private:
    std::vector<std::uint32_t> palette;
    std::size_t exactCount;
};

} // namespace assetgen
