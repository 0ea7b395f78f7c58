#pragma once

namespace core {

// True when the TOVAK_TRACE value turns tracing on: set, not empty and not "0".
bool TraceEnabled(const char* value);

// Writes one diagnostic line to standard error when the environment variable TOVAK_TRACE turns
// tracing on (read once, at the first call); otherwise does nothing. The format attribute has the
// compiler check every call's arguments.
[[gnu::format(printf, 1, 2)]] void Trace(const char* format, ...);

} // namespace core
