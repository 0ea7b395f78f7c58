#include "encode/ColourQuantizer.h"

#include <algorithm>
#include <array>
#include <set>

namespace assetgen {
namespace {

int Channel(std::uint32_t rgb, int c) {
    return static_cast<int>((rgb >> (16 - 8 * c)) & 0xFF);
}

struct Box {
    std::vector<std::uint32_t> colours;

    // The channel with the widest range and that range.
    std::pair<int, int> Widest() const {
        int best = 0;
        int range = -1;
        for (int c = 0; c < 3; ++c) {
            const auto [lo, hi] = std::minmax_element(
                colours.begin(), colours.end(),
                [c](std::uint32_t a, std::uint32_t b) { return Channel(a, c) < Channel(b, c); });
            if (Channel(*hi, c) - Channel(*lo, c) > range) {
                range = Channel(*hi, c) - Channel(*lo, c);
                best = c;
            }
        }
        return {best, range};
    }

    std::uint32_t Mean() const {
        std::array<long, 3> sum{};
        for (const std::uint32_t colour : colours) {
            for (int c = 0; c < 3; ++c) {
                sum[c] += Channel(colour, c);
            }
        }
        const long n = static_cast<long>(colours.size());
        std::uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c) {
            rgb = (rgb << 8) | static_cast<std::uint32_t>((sum[c] + n / 2) / n);
        }
        return rgb;
    }
};

} // namespace

ColourQuantizer::ColourQuantizer(const std::vector<std::uint32_t>& pixels, std::size_t maxColours,
                                 const std::vector<std::uint32_t>& exact)
    : palette(exact), exactCount(exact.size()) {
    const std::set<std::uint32_t> exactSet(exact.begin(), exact.end());
    std::set<std::uint32_t> unique;
    for (const std::uint32_t p : pixels) {
        if (!exactSet.count(p & 0xFFFFFF)) {
            unique.insert(p & 0xFFFFFF);
        }
    }
    const std::size_t room = maxColours > exact.size() ? maxColours - exact.size() : 0;
    if (unique.size() <= room) {
        palette.insert(palette.end(), unique.begin(), unique.end());
        return;
    }
    std::vector<Box> boxes{Box{{unique.begin(), unique.end()}}};
    while (boxes.size() < room) {
        // Split the box with the widest channel range at its median.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.Widest().second < b.Widest().second;
        });
        if (widest->colours.size() < 2) {
            break;
        }
        const int c = widest->Widest().first;
        std::sort(widest->colours.begin(), widest->colours.end(),
                  [c](std::uint32_t a, std::uint32_t b) { return Channel(a, c) < Channel(b, c); });
        const auto middle = widest->colours.begin() + widest->colours.size() / 2;
        Box upper{{middle, widest->colours.end()}};
        widest->colours.erase(middle, widest->colours.end());
        boxes.push_back(std::move(upper));
    }
    for (const Box& box : boxes) {
        palette.push_back(box.Mean());
    }
}

std::uint8_t ColourQuantizer::IndexOf(std::uint32_t rgb) const {
    rgb &= 0xFFFFFF;
    for (std::size_t i = 0; i < exactCount; ++i) {
        if (palette[i] == rgb) {
            return static_cast<std::uint8_t>(i);
        }
    }
    std::size_t best = exactCount;
    long bestDistance = -1;
    for (std::size_t i = exactCount; i < palette.size(); ++i) {
        long distance = 0;
        for (int c = 0; c < 3; ++c) {
            const long d = Channel(rgb, c) - Channel(palette[i], c);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best < palette.size() ? best : 0);
}

} // namespace assetgen
