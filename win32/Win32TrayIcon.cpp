#include "win32/Win32TrayIcon.h"

#include <cwchar>

#include "win32/Shell.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {

void Win32TrayIcon::add(const std::string& tooltip) {
    data_ = NOTIFYICONDATAW{};
    data_.cbSize = sizeof data_;
    data_.hWnd = host_.trayCallbackWindow();
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = host_.trayIconImage();
    const std::wstring tip = toUtf16(tooltip);
    wcsncpy_s(data_.szTip, tip.c_str(), _TRUNCATE);
    addNow();
}

// NIM_ADD for an icon that is already there fails and leaves that icon as it
// is; only a failure while no icon is present means the notification area is
// not there yet.
void Win32TrayIcon::addNow() {
    if (shell::notifyIcon(NIM_ADD, &data_)) {
        present_ = true;
        setRetryTimer(false);
    } else if (!present_) {
        setRetryTimer(true);
    }
}

void Win32TrayIcon::remove() {
    setRetryTimer(false);
    NOTIFYICONDATAW remove{};
    remove.cbSize = sizeof remove;
    remove.hWnd = data_.hWnd != nullptr ? data_.hWnd : host_.trayCallbackWindow();
    remove.uID = kIconId;
    shell::notifyIcon(NIM_DELETE, &remove);
    present_ = false;
}

std::optional<TrayGesture> Win32TrayIcon::gestureOf(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            return TrayGesture::Activate;
        case WM_RBUTTONUP:
            return TrayGesture::OpenMenu;
        default:
            return std::nullopt;
    }
}

// The new notification area is empty: whatever was there is added again.
void Win32TrayIcon::taskbarCreated() {
    if (present_ || retrying_) {
        present_ = false;
        addNow();
    }
}

void Win32TrayIcon::retryTimerElapsed() {
    if (retrying_) {
        addNow();
    } else {
        KillTimer(data_.hWnd, kRetryTimerId);
    }
}

void Win32TrayIcon::setRetryTimer(bool on) {
    if (on == retrying_) {
        return;
    }
    retrying_ = on;
    if (on) {
        SetTimer(data_.hWnd, kRetryTimerId, kRetryMilliseconds, nullptr);
    } else if (data_.hWnd != nullptr) {
        KillTimer(data_.hWnd, kRetryTimerId);
    }
}

}  // namespace corvallo::win32
