#include "formats/GbkBytes.h"

namespace formats {

std::size_t GbkBytes::LastCharacterStart(std::string_view gbk) {
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < gbk.size()) {
        start = i;
        const bool pair = IsLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size();
        i += pair ? 2 : 1;
    }
    return start;
}

} // namespace formats
