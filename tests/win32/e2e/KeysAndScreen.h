#pragma once

// What a keyboard user, a screen reader and a look at the screen get from a
// window of the program under test: keys sent, the focus, the accessible
// name and role, pixels and screenshots.
#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>

namespace corvallo::e2e {

// The window that has the keyboard focus in the thread that owns `window`.
[[nodiscard]] HWND focusedWindow(HWND window);
// Makes `window` the foreground window, which receives the keyboard input.
bool bringToForeground(HWND window);
// Presses the keys in order and releases them in reverse, through the
// system's input queue (SendInput), as a keyboard would: {VK_MENU, 'S'} is
// Alt+S, {VK_SHIFT, VK_TAB} Shift+Tab. Waits until the program has taken them.
void pressKeys(HWND window, std::initializer_list<WORD> keys);

// What a screen reader learns of a window through Active Accessibility
// (AccessibleObjectFromWindow, OBJID_CLIENT); `found` is false when there is
// no accessible object.
struct AccessibleInfo {
    bool found = false;
    std::wstring name;
    long role = 0;
    long state = 0;
};
[[nodiscard]] AccessibleInfo accessibleOf(HWND control);

// The colour of one pixel of the screen, at a point of `window`'s client area.
[[nodiscard]] COLORREF pixelAt(HWND window, POINT client);
// How many different colours 16 points spread over `window`'s client area
// show on the screen: 1 for a blank box, more for a picture.
[[nodiscard]] std::size_t coloursOnScreen(HWND window);

// Saves the screen area of a window as a 24-bit BMP file, or a PNG file
// when the path ends in ".png".
void saveScreenshot(HWND window, const std::wstring& path);

}  // namespace corvallo::e2e
