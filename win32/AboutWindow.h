#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "core/views/AboutView.h"
#include "win32/BaseWindow.h"
#include "win32/LayoutControls.h"
#include "win32/MainWindow.h"

namespace corvallo::win32 {

// The About window: a fixed dialog-style window, shown modally above the main
// window.
// Each opening makes a fresh window from the layout; closing destroys it.
class AboutWindow final : public AboutView, public BaseWindow<AboutWindow> {
  public:
    // `mainWindow` must outlive this object.
    AboutWindow(HINSTANCE instance, const MainWindow& mainWindow)
        : instance_(instance), mainWindow_(mainWindow) {}
    ~AboutWindow() override;

    // Disables the main window, shows this one and runs its own message loop
    // (with IsDialogMessage, so that Enter and Esc press "&OK") until it is
    // closed. A WM_QUIT that arrives meanwhile is posted again for the outer loop.
    void showModal(const std::function<void(AboutAction)>& perform) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return window() != nullptr; }

  private:
    friend class BaseWindow<AboutWindow>;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void onCreate();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onCloseRequest();
    void perform(AboutAction action);
    void onPaint();
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onDestroy();
    void applyDpi(UINT dpi, POINT topLeft, bool centre);
    void runModalLoop();
    void enableOwner();

    HINSTANCE instance_;
    const MainWindow& mainWindow_;
    const std::function<void(AboutAction)>* perform_ = nullptr;
    std::optional<LayoutControls> controls_;
    HWND disabledOwner_ = nullptr;
    HICON icon_ = nullptr;
};

}  // namespace corvallo::win32
