#include "core/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace core {

bool TraceEnabled(const char* value) {
    return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

void Trace(const char* format, ...) {
    static const bool enabled = TraceEnabled(std::getenv("TOVAK_TRACE"));
    if (!enabled) {
        return;
    }
    std::va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
}

} // namespace core
