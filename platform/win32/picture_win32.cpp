#include "platform/win32/picture_win32.h"

#include "platform/win32/dialog_window.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct Pixels {
    BITMAP info{};
    std::uint8_t* bits = nullptr;
};

// Blends a 32-bit picture with straight alpha over the colour, in place.
void FlattenOnto(Pixels& picture, COLORREF colour) {
    const std::uint8_t background[3] = {GetBValue(colour), GetGValue(colour), GetRValue(colour)};
    for (int y = 0; y < picture.info.bmHeight; ++y) {
        std::uint8_t* pixel =
            picture.bits + static_cast<std::ptrdiff_t>(y) * picture.info.bmWidthBytes;
        for (int x = 0; x < picture.info.bmWidth; ++x, pixel += 4) {
            const int alpha = pixel[3];
            for (int channel = 0; channel < 3; ++channel) {
                pixel[channel] = static_cast<std::uint8_t>(
                    (pixel[channel] * alpha + background[channel] * (255 - alpha) + 127) / 255);
            }
        }
    }
}

} // namespace

HBITMAP ScaledPicture(int pictureId, SIZE size) {
    auto* source = static_cast<HBITMAP>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(pictureId),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    Pixels pixels;
    GetObjectW(source, sizeof pixels.info, &pixels.info);
    pixels.bits = static_cast<std::uint8_t*>(pixels.info.bmBits);
    if (pixels.bits != nullptr && pixels.info.bmBitsPixel == 32) {
        FlattenOnto(pixels, GetSysColor(COLOR_BTNFACE));
    }
    HDC screen = GetDC(nullptr);
    HBITMAP scaled = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HGDIOBJ oldFrom = SelectObject(from, source);
    HGDIOBJ oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, pixels.info.bmWidth,
               std::abs(pixels.info.bmHeight), SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    DeleteObject(source);
    return scaled;
}

HICON LoadIconOfSize(int iconId, int side) {
    return static_cast<HICON>(
        LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, side, side, 0));
}
