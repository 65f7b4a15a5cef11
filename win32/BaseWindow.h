#pragma once

#include <windows.h>

namespace corvallo::win32 {

// One top-level window class per C++ class. The window procedure finds the
// object from the window: CreateWindowExW passes `this` as lpCreateParams,
// WM_NCCREATE stores it in GWLP_USERDATA, and every later message goes to
// the derived class's member HandleMessage(msg, wParam, lParam). Windows
// built from a layout get theirs from LayoutWindow (LayoutWindow.h).
template <class Derived>
class BaseWindow {
  public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    [[nodiscard]] HWND window() const { return hwnd_; }

  protected:
    ~BaseWindow() = default;

    // Registers the class once per process; a second call finds it registered.
    static void registerClass(HINSTANCE instance, const wchar_t* className, HICON icon,
                              HICON smallIcon) {
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (GetClassInfoExW(instance, className, &existing)) {
            return;
        }
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &BaseWindow::WindowProc;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hIconSm = smallIcon;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        // The background is painted by the window itself (WM_ERASEBKGND).
        wc.hbrBackground = nullptr;
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
    }

    HWND createWindow(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                      const RECT& bounds, HWND parent, HMENU menu, HINSTANCE instance) {
        return CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menu,
                               instance, static_cast<Derived*>(this));
    }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (msg == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = hwnd;
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        // Messages before WM_NCCREATE (WM_GETMINMAXINFO) have no object yet.
        if (self == nullptr) {
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        }
        const LRESULT result = self->HandleMessage(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    HWND hwnd_ = nullptr;
};

}  // namespace corvallo::win32
