#pragma once

#include <cstdint>

// Result codes of the display and device operations: 0 for success, negative for failure, under
// the names and values the graphics and component interfaces publish.
using HRESULT = std::int32_t;

constexpr HRESULT Code(std::uint32_t value) {
    return static_cast<HRESULT>(value);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT DD_OK = 0;
constexpr HRESULT E_NOTIMPL = Code(0x80004001);
constexpr HRESULT E_POINTER = Code(0x80004003);
constexpr HRESULT E_FAIL = Code(0x80004005);
constexpr HRESULT E_OUTOFMEMORY = Code(0x8007000E);
constexpr HRESULT E_INVALIDARG = Code(0x80070057);
constexpr HRESULT DDERR_INVALIDRECT = Code(0x88760096);
constexpr HRESULT DDERR_SURFACELOST = Code(0x887601C2);
constexpr HRESULT DDERR_WASSTILLDRAWING = Code(0x8876021C);
constexpr HRESULT DDERR_WRONGMODE = Code(0x8876024B);

constexpr bool FAILED(HRESULT result) {
    return result < 0;
}
constexpr bool SUCCEEDED(HRESULT result) {
    return result >= 0;
}
