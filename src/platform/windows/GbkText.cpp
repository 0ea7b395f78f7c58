#include "platform/GbkText.h"

#include <windows.h>

namespace platform {
namespace {

constexpr UINT kGbk = 936;

// The code point of the UTF-8 sequence at the start of `rest` and its length; 0 for a byte that
// starts no valid sequence (overlong forms, surrogates and values past U+10FFFF included), which
// is then skipped with the continuation bytes that follow it.
std::size_t NextUtf8(std::string_view rest, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (rest.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(rest[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = value << 6 | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    codePoint = value;
    return length;
}

// How far a sequence NextUtf8 refused reaches: its lead byte and the continuation bytes after.
std::size_t SkipLength(std::string_view rest) {
    std::size_t length = 1;
    while (length < 4 && length < rest.size() &&
           (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

// The GBK bytes of one code point, appended; false when it has none.
bool AppendGbk(char32_t codePoint, std::string& gbk) {
    wchar_t units[2];
    int count = 1;
    if (codePoint >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(codePoint);
    }
    char bytes[4];
    BOOL replaced = FALSE;
    const int length = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                             sizeof bytes, nullptr, &replaced);
    if (length <= 0 || replaced) {
        return false;
    }
    gbk.append(bytes, static_cast<std::size_t>(length));
    return true;
}

} // namespace

bool GbkText::DecodeOne(std::string_view bytes, char32_t& codePoint) {
    wchar_t units[2];
    const int count = ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(),
                                            static_cast<int>(bytes.size()), units, 2);
    if (count != 1) {
        return false;
    }
    codePoint = units[0];
    return true;
}

std::string GbkText::FromUtf8(std::string_view utf8) {
    if (!::IsValidCodePage(kGbk)) {
        return {};
    }
    std::string gbk;
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        const std::size_t used = NextUtf8(utf8, codePoint);
        if (used == 0) {
            utf8.remove_prefix(SkipLength(utf8));
            continue;
        }
        AppendGbk(codePoint, gbk);
        utf8.remove_prefix(used);
    }
    return gbk;
}

} // namespace platform
