#include "platform/GbkText.h"

#include <cstdint>

#include "formats/GbkBytes.h"

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

std::size_t GbkText::NextCharacter(std::string_view gbk, char32_t& codePoint) {
    if (gbk.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(gbk[0]);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (formats::GbkBytes::IsLeadByte(lead) && gbk.size() >= 2 &&
        DecodeOne(gbk.substr(0, 2), codePoint)) {
        return 2;
    }
    // A byte that is a character on its own (0x80 is the euro sign), or else a stray one.
    if (!DecodeOne(gbk.substr(0, 1), codePoint)) {
        codePoint = kReplacement;
    }
    return 1;
}

std::u32string GbkText::ToCodePoints(std::string_view gbk) {
    std::u32string codePoints;
    codePoints.reserve(gbk.size());
    char32_t codePoint = 0;
    while (const std::size_t used = NextCharacter(gbk, codePoint)) {
        codePoints.push_back(codePoint);
        gbk.remove_prefix(used);
    }
    return codePoints;
}

} // namespace platform
