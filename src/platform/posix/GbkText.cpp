#include "platform/GbkText.h"

#include <cerrno>
#include <cstdint>

#include <iconv.h>

namespace platform {
namespace {

constexpr std::size_t kIconvError = static_cast<std::size_t>(-1);

// One iconv descriptor, closed on destruction; not valid when iconv lacks the conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) {
            iconv_close(cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as it can; returns iconv's result and leaves errno as iconv set it.
    std::size_t Convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        // iconv never writes through its input pointer; the cast only meets its signature.
        char* input = const_cast<char*>(in);
        const std::size_t result = iconv(cd, &input, &inLeft, &out, &outLeft);
        in = input;
        return result;
    }
    // Back to the initial state, so that a failed call cannot affect the next one.
    void Reset() { iconv(cd, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd;
};

Converter& Utf8ToGbk() {
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
}

Converter& GbkToUtf32() {
    thread_local Converter converter("UTF-32LE", "GBK");
    return converter;
}

// How many bytes to skip when iconv refuses the character at the start of `rest`: the lead
// byte and the continuation bytes (0x80..0xBF) it announces, as far as they are present. A byte
// that cannot start a UTF-8 sequence is skipped alone.
std::size_t Utf8SkipLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t expected = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        expected = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        expected = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        expected = 4;
    }
    std::size_t length = 1;
    while (length < expected && length < rest.size() &&
           (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

} // namespace

// Converts `bytes` as exactly one GBK character; false when they are not one.
bool GbkText::DecodeOne(std::string_view bytes, char32_t& codePoint) {
    Converter& converter = GbkToUtf32();
    if (!converter.Valid()) {
        return false;
    }
    converter.Reset();
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    unsigned char utf32[4] = {};
    char* out = reinterpret_cast<char*>(utf32);
    std::size_t outLeft = sizeof utf32;
    if (converter.Convert(in, inLeft, out, outLeft) == kIconvError || inLeft != 0 || outLeft != 0) {
        return false;
    }
    codePoint = char32_t{utf32[0]} | char32_t{utf32[1]} << 8 | char32_t{utf32[2]} << 16 |
                char32_t{utf32[3]} << 24;
    return true;
}

std::string GbkText::FromUtf8(std::string_view utf8) {
    Converter& converter = Utf8ToGbk();
    if (!converter.Valid() || utf8.empty()) {
        return {};
    }
    converter.Reset();
    // The GBK form is never longer than the UTF-8 one; E2BIG still grows the output, to be safe.
    std::string gbk(utf8.size(), '\0');
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = gbk.data();
    std::size_t outLeft = gbk.size();
    while (inLeft > 0 && converter.Convert(in, inLeft, out, outLeft) == kIconvError) {
        if (errno == EILSEQ) {
            const std::size_t skip = Utf8SkipLength({in, inLeft});
            in += skip;
            inLeft -= skip;
        } else if (errno == E2BIG) {
            const std::size_t used = static_cast<std::size_t>(out - gbk.data());
            gbk.resize(gbk.size() * 2);
            out = gbk.data() + used;
            outLeft = gbk.size() - used;
        } else {
            break; // EINVAL: an incomplete sequence at the end, dropped
        }
    }
    gbk.resize(gbk.size() - outLeft);
    return gbk;
}

} // namespace platform
