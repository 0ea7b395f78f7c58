#pragma once

#include <string>
#include <string_view>

namespace platform {

// The UTF-8 of the game's strings and the UTF-16 of the Windows interfaces, converted at the
// edge of every Windows call. Invalid sequences become U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace platform
