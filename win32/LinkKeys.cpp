// Keyboard handling and focus mark of the layout's links.
#include "win32/LinkKeys.h"

#include <commctrl.h>
#include <oleacc.h>

#include "core/app/Steps.h"
#include "win32/LinkRole.h"

namespace corvallo::win32 {
namespace {

bool isActivationKey(const MSG* msg) {
    return msg != nullptr && msg->message == WM_KEYDOWN &&
           (msg->wParam == VK_RETURN || msg->wParam == VK_SPACE);
}

// The dotted rectangle is drawn with XOR, so it shows on the black window as
// on any system colour, and a second drawing would take it away again: the
// whole link is repainted instead whenever the focus comes or goes.
void drawFocusMark(HWND link) {
    HDC dc = GetDC(link);
    RECT client;
    GetClientRect(link, &client);
    DrawFocusRect(dc, &client);
    ReleaseDC(link, dc);
}

// The subclass's data says whether the link has been annotated (1) or not (0).
LRESULT CALLBACK linkProc(HWND link, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR annotated) {
    switch (msg) {
        case WM_GETDLGCODE:
            // Without DLGC_WANTMESSAGE the dialog manager would turn Enter into
            // the default button's command and Space into nothing.
            if (isActivationKey(reinterpret_cast<const MSG*>(lParam))) {
                return DLGC_WANTMESSAGE | DefSubclassProc(link, msg, wParam, lParam);
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                // As a mouse click on a notifying static reports itself.
                SendMessageW(GetParent(link), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                             reinterpret_cast<LPARAM>(link));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(link, nullptr, TRUE);
            break;
        case WM_PAINT: {
            const LRESULT result = DefSubclassProc(link, msg, wParam, lParam);
            if (GetFocus() == link) {
                drawFocusMark(link);
            }
            return result;
        }
        case WM_GETOBJECT:
            // A screen reader (or another client of accessibility) asks for
            // the link. Only now is it annotated as a link, before the
            // system's proxy answers: a start nobody reads loads neither COM
            // nor the accessibility library.
            if (static_cast<LONG>(lParam) == OBJID_CLIENT && annotated == 0) {
                SetWindowSubclass(link, &linkProc, 0, 1);
                attempt([&] { annotateLinkRole(link); });
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(link, &linkProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(link, msg, wParam, lParam);
}

}  // namespace

void makeKeyboardLink(HWND link) {
    SetWindowSubclass(link, &linkProc, 0, 0);
}

}  // namespace corvallo::win32
