#include "win32/IconStoreWindow.h"

#include <stdexcept>

#include "core/model/ProgramName.h"
#include "core/ports/PlatformError.h"
#include "win32/Utf16.h"
#include "win32/resource.h"

namespace corvallo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CorvalloIconStore";
constexpr int kIconSize = 32;

}  // namespace

IconStoreWindow::~IconStoreWindow() {
    close();
}

// The program icon is loaded shared (LR_SHARED): the system keeps one copy
// for the module, the window class may refer to it, and nobody destroys it.
void IconStoreWindow::load() {
    if (window() != nullptr) {
        return;
    }
    HICON programIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPICON),
                                                      IMAGE_ICON, kIconSize, kIconSize, LR_SHARED));
    registerClass(instance_, kClassName, programIcon, nullptr);
    // WS_EX_TOOLWINDOW keeps the window out of the task bar and Alt+Tab
    // should anything ever show it.
    const std::wstring caption = toUtf16(kWindowCaption);
    if (createWindow(WS_EX_TOOLWINDOW, kClassName, caption.c_str(), WS_POPUP | WS_CAPTION,
                     RECT{0, 0, 0, 0}, nullptr, nullptr, instance_) == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "icon store window");
    }
    icons_ = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, kIconCount, 0);
    for (int i = 0; i < kIconCount && programIcon != nullptr; ++i) {
        ImageList_ReplaceIcon(icons_, -1, programIcon);
    }
}

// The window's white pixels become fully transparent: a layered window with
// white as its colour key. The alpha value has no effect with LWA_COLORKEY.
void IconStoreWindow::makeTransparent() {
    HWND hwnd = window();
    if (hwnd == nullptr) {
        throw std::logic_error("icon store not loaded");
    }
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
    if (!SetLayeredWindowAttributes(hwnd, RGB(255, 255, 255), 128, LWA_COLORKEY)) {
        throw PlatformError(static_cast<long>(GetLastError()), "SetLayeredWindowAttributes");
    }
}

void IconStoreWindow::close() {
    if (window() != nullptr) {
        DestroyWindow(window());
    }
    if (icons_ != nullptr) {
        ImageList_Destroy(icons_);
        icons_ = nullptr;
    }
}

HICON IconStoreWindow::icon(int position) const {
    if (icons_ == nullptr || position < 1 || position > ImageList_GetImageCount(icons_)) {
        throw std::out_of_range("icon store position");
    }
    HICON icon = ImageList_GetIcon(icons_, position - 1, ILD_NORMAL);
    if (icon == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "ImageList_GetIcon");
    }
    return icon;
}

LRESULT IconStoreWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window(), msg, wParam, lParam);
}

}  // namespace corvallo::win32
