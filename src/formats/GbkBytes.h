#pragma once

#include <cstddef>
#include <string_view>

namespace formats {

// The byte rules of GBK text, which need no conversion table: ASCII bytes, and two-byte
// characters whose lead byte is 0x81..0xFE.
class GbkBytes {
public:
    static constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

    // The index where the last character starts, walking from the start: a lead byte followed
    // by any byte begins a two-byte character, any other byte is a character of its own. 0 for
    // an empty string.
    static std::size_t LastCharacterStart(std::string_view gbk);
};

} // namespace formats
