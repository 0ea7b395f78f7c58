#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Conversions between UTF-8, GBK byte strings and Unicode code points, through iconv on Linux and
// code page 936 on Windows. GBK text is ASCII bytes and two-byte characters whose lead byte is
// 0x81..0xFE. Thread-safe: each thread keeps its own conversion descriptors.
class GbkText {
public:
    // The GBK form of `utf8`. Characters without a GBK form and invalid UTF-8 bytes are left
    // out; the rest is kept. Empty when the system cannot convert to GBK at all.
    static std::string FromUtf8(std::string_view utf8);

    // The code points of `gbk`. A lead byte at the end or a pair that is not a GBK character
    // becomes U+FFFD for the lead byte alone; decoding goes on at the byte after it.
    static std::u32string ToCodePoints(std::string_view gbk);

    // Decodes the character at the start of `gbk` into `codePoint` and returns how many bytes it
    // takes (1 or 2; 0 for an empty string), following the rules of ToCodePoints.
    static std::size_t NextCharacter(std::string_view gbk, char32_t& codePoint);

private:
    // Converts `bytes` as exactly one GBK character; false when they are not one.
    static bool DecodeOne(std::string_view bytes, char32_t& codePoint);
};

} // namespace platform
