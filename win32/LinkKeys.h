#pragma once

#include <windows.h>

namespace corvallo::win32 {

// Makes a link of the layout (a notifying STATIC with WS_TABSTOP) work from
// the keyboard: the dialog manager hands it Enter and Space, which it reports
// to its parent as a click (STN_CLICKED), and it draws a focus rectangle
// while it has the keyboard focus. A static control does neither by itself.
// It also tells screen readers that it is a link (win32/LinkRole.h) when one
// first asks for it.
void makeKeyboardLink(HWND link);

}  // namespace corvallo::win32
