#include "IconPixels.h"

#include <utility>

IconPixels IconPixels::Of(HICON icon) {
    IconPixels pixels;
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return pixels;
    }
    BITMAP bitmap{};
    if (info.hbmColor != nullptr && ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) != 0) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = bitmap.bmWidth;
        format.bmiHeader.biHeight = -bitmap.bmHeight; // top row first
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        std::vector<std::uint32_t> argb(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight);
        HDC screen = ::GetDC(nullptr);
        if (::GetDIBits(screen, info.hbmColor, 0, bitmap.bmHeight, argb.data(), &format,
                        DIB_RGB_COLORS) == bitmap.bmHeight) {
            pixels = {bitmap.bmWidth, bitmap.bmHeight, std::move(argb)};
        }
        ::ReleaseDC(nullptr, screen);
    }
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return pixels;
}

IconPixels IconPixels::OfPicture(std::string picture, int size) {
    if (picture.empty()) {
        return {};
    }
    HICON icon = ::CreateIconFromResourceEx(reinterpret_cast<PBYTE>(picture.data()),
                                            static_cast<DWORD>(picture.size()), TRUE, 0x00030000,
                                            size, size, LR_DEFAULTCOLOR);
    const IconPixels pixels = Of(icon);
    ::DestroyIcon(icon);
    return pixels;
}
