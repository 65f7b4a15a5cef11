#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "core/ports/TrayIcon.h"

namespace corvallo::win32 {

// What the notification icon needs from the main window.
class TrayIconHost {
  public:
    // The hidden window that receives the icon's callback message.
    [[nodiscard]] virtual HWND trayCallbackWindow() = 0;
    // The main window's icon at this moment.
    [[nodiscard]] virtual HICON trayIconImage() = 0;

  protected:
    ~TrayIconHost() = default;
};

// The program's one notification-area icon: Shell_NotifyIconW with (the
// host's callback window, ID 1), callback message 513 and the mouse message
// in the low word of lParam (the original, pre-version-4 protocol).
//
// Two situations would leave a program hidden in the notification area with
// no icon to bring it back, and are repaired here:
// - When Explorer restarts, the notification area comes back empty and
//   broadcasts the registered "TaskbarCreated" message to top-level windows;
//   the main window forwards it to taskbarCreated(), which adds the icon again
//   if it was present.
// - At log-on a "/STARTUP" copy can start before the notification area
//   exists, and NIM_ADD fails. The add is then retried every few seconds by a
//   timer on the callback window until it succeeds or TaskbarCreated arrives.
class Win32TrayIcon final : public TrayIcon {
  public:
    // The number the icon has always used (it happens to be WM_LBUTTONDOWN's).
    static constexpr UINT kCallbackMessage = 513;
    static constexpr UINT kIconId = 1;
    static constexpr UINT_PTR kRetryTimerId = 0x7201;
    static constexpr UINT kRetryMilliseconds = 3000;

    // `host` must outlive this object.
    explicit Win32TrayIcon(TrayIconHost& host) : host_(host) {}
    ~Win32TrayIcon() override = default;

    void add(const std::string& tooltip) override;
    void remove() override;

    // What the mouse message of a callback (the low word of its lParam)
    // means: a double click with the left button activates the icon, the
    // right button's release opens its menu, and every other message means
    // nothing. The one place where Windows' mouse conventions are decided.
    [[nodiscard]] static std::optional<TrayGesture> gestureOf(UINT mouseMessage);

    void taskbarCreated();
    void retryTimerElapsed();

    // The icon is in the notification area.
    [[nodiscard]] bool present() const { return present_; }
    // An add failed and waits for the retry timer or TaskbarCreated.
    [[nodiscard]] bool retrying() const { return retrying_; }

  private:
    void addNow();
    void setRetryTimer(bool on);

    TrayIconHost& host_;
    NOTIFYICONDATAW data_{};
    bool present_ = false;
    bool retrying_ = false;
};

}  // namespace corvallo::win32
