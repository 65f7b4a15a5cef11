#pragma once

#include <windows.h>

namespace corvallo::win32 {

// Lengths in the layout are twips; 1440 twips make one logical inch, so at
// 96 DPI 15 twips are one pixel. MulDiv rounds to the nearest pixel.
[[nodiscard]] inline int twipsToPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Pixels at 96 DPI (the layout's border widths, the icon size) at `dpi`.
[[nodiscard]] inline int scaleFrom96(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

// The DPI the window is drawn at: its monitor's under per-monitor awareness,
// the system's otherwise (and on Windows before 10, which lacks GetDpiForWindow).
[[nodiscard]] UINT dpiForWindow(HWND window);

// The outer size of a window whose client area is `clientWidth` x
// `clientHeight` pixels, at `dpi` (the caption and borders scale with it).
[[nodiscard]] SIZE windowSizeForClient(int clientWidth, int clientHeight, DWORD style,
                                       DWORD exStyle, bool hasMenu, UINT dpi);

// Top-left corner that centres a window of `size` on the primary screen.
[[nodiscard]] POINT centredOnPrimaryScreen(SIZE size);

}  // namespace corvallo::win32
