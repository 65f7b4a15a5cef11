#pragma once

#include <windows.h>

#include <commctrl.h>

#include "core/views/MainLayout.h"
#include "win32/BaseWindow.h"
#include "win32/LayoutControls.h"
#include "win32/LayoutPainter.h"

namespace corvallo::win32 {

// A top-level window built from a layout description, with the message
// handling that every such window shares: its background, frames, shapes and
// lines painted in the layout's colours (WM_ERASEBKGND, WM_PAINT,
// WM_PRINTCLIENT), the colours of its controls (WM_CTLCOLOR*), the drawing of
// disabled option buttons and check boxes (NM_CUSTOMDRAW) and the hand
// pointer over links (WM_SETCURSOR). The frames get the same handling through
// a subclass, and pass their children's notifications on to the window.
//
// Every other message goes to Derived::onMessage(msg, wParam, lParam), which
// returns DefWindowProcW's answer for what it leaves alone. Derived makes the
// controls from its WM_CREATE with createControls(), and declares
// BaseWindow<Derived> and LayoutWindow<Derived> its friends.
template <class Derived>
class LayoutWindow : public BaseWindow<Derived> {
  protected:
    // `layout` must outlive the window object. Wine has no high-contrast
    // setting (SPI_SETHIGHCONTRAST fails there), so a test can give its own
    // `highContrast` question to the same painting code.
    explicit LayoutWindow(const layout::Window& layout,
                          LayoutPainter::HighContrastQuery highContrast = nullptr)
        : controls_(layout), painter_(controls_, highContrast) {}
    ~LayoutWindow() = default;

    // Creates the layout's controls in the window at `dpi`.
    void createControls(HINSTANCE instance, UINT dpi, const LayoutControls::Options& options) {
        controls_.create(this->window(), instance, dpi, options);
        const auto& all = controls_.layout().controls;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].kind == layout::Kind::Frame && controls_.handleAt(i) != nullptr) {
                SetWindowSubclass(controls_.handleAt(i), &LayoutWindow::frameProc, 0,
                                  reinterpret_cast<DWORD_PTR>(this));
            }
        }
    }

    [[nodiscard]] LayoutControls& controls() { return controls_; }
    [[nodiscard]] const LayoutControls& controls() const { return controls_; }

    // Called by BaseWindow for every message of the window.
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
            case WM_ERASEBKGND:
                return onEraseBackground(this->window(), reinterpret_cast<HDC>(wParam));
            case WM_PAINT:
                return onPaint(this->window());
            case WM_PRINTCLIENT:
                return onPrintClient(this->window(), reinterpret_cast<HDC>(wParam));
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLOREDIT:
                return onControlColour(reinterpret_cast<HDC>(wParam),
                                       reinterpret_cast<HWND>(lParam));
            case WM_NOTIFY:
                if (const auto* header = reinterpret_cast<const NMHDR*>(lParam);
                    header->code == NM_CUSTOMDRAW) {
                    return onCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
                }
                break;
            case WM_SETCURSOR:
                if (onSetCursor(reinterpret_cast<HWND>(wParam))) {
                    return TRUE;
                }
                break;
            case WM_SETTINGCHANGE:
            case WM_SYSCOLORCHANGE:
                onSystemColoursChanged();
                break;
            default:
                break;
        }
        return static_cast<Derived*>(this)->onMessage(msg, wParam, lParam);
    }

  private:
    LRESULT onEraseBackground(HWND container, HDC dc) {
        painter_.eraseBackground(container, dc);
        return 1;
    }

    LRESULT onPaint(HWND container) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(container, &paint);
        painter_.paint(container, dc);
        EndPaint(container, &paint);
        return 0;
    }

    // A themed button's request for the background behind it.
    LRESULT onPrintClient(HWND container, HDC dc) {
        painter_.printClient(container, dc);
        return 0;
    }

    LRESULT onControlColour(HDC dc, HWND control) {
        return reinterpret_cast<LRESULT>(painter_.colourControl(dc, control));
    }

    LRESULT onCustomDraw(const NMCUSTOMDRAW& draw) { return painter_.customDraw(draw); }

    // High contrast turned on or off, or other system colours: the window and
    // every control are painted again at once in the colours that now apply.
    void onSystemColoursChanged() {
        painter_.refreshSystemColours();
        RedrawWindow(this->window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }

    // A link's DefWindowProc asks its parents first (a frame passes it on to
    // the window), so this sees the control under the mouse in wParam.
    bool onSetCursor(HWND under) {
        if (!controls_.isLink(under)) {
            return false;
        }
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return true;
    }

    // Frames are BUTTON group boxes, and a group box does not pass its
    // children's notifications (WM_COMMAND, WM_NOTIFY) or colour requests
    // (WM_CTLCOLOR*) on to its parent: the subclass sends them to the window.
    // It paints the frame as the window paints itself, both when the frame
    // paints (a group box leaves its background unpainted) and when a themed
    // child asks for its background with WM_PRINTCLIENT.
    static LRESULT CALLBACK frameProc(HWND frame, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
        auto* self = reinterpret_cast<LayoutWindow*>(data);
        switch (msg) {
            case WM_COMMAND:
            case WM_NOTIFY:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
                return SendMessageW(GetAncestor(frame, GA_ROOT), msg, wParam, lParam);
            case WM_ERASEBKGND:
                return self->onEraseBackground(frame, reinterpret_cast<HDC>(wParam));
            case WM_PAINT:
                return self->onPaint(frame);
            case WM_PRINTCLIENT:
                return self->onPrintClient(frame, reinterpret_cast<HDC>(wParam));
            case WM_NCDESTROY:
                RemoveWindowSubclass(frame, &LayoutWindow::frameProc, 0);
                break;
            default:
                break;
        }
        return DefSubclassProc(frame, msg, wParam, lParam);
    }

    LayoutControls controls_;
    LayoutPainter painter_;
};

}  // namespace corvallo::win32
