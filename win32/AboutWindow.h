#pragma once

#include <windows.h>

#include <functional>

#include "core/views/AboutView.h"
#include "win32/LayoutWindow.h"
#include "win32/MainWindow.h"
#include "win32/UniqueHandle.h"

namespace corvallo::win32 {

// The About window: a fixed dialog-style window, shown modally above the main
// window. Each opening makes a fresh window from the layout; closing destroys it.
class AboutWindow final : public AboutView, public LayoutWindow<AboutWindow> {
  public:
    // `mainWindow` must outlive this object.
    AboutWindow(HINSTANCE instance, const MainWindow& mainWindow);
    ~AboutWindow() override;

    // Disables the main window, shows this one and runs its own message loop
    // (with IsDialogMessage, so that Enter and Esc press "&OK") until it is
    // closed. A WM_QUIT that arrives meanwhile is posted again for the outer loop.
    void showModal(const std::function<void(AboutAction)>& perform) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return window() != nullptr; }

  private:
    friend class BaseWindow<AboutWindow>;
    friend class LayoutWindow<AboutWindow>;
    // The messages that LayoutWindow leaves to this window.
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Message handlers.
    void onCreate();
    [[nodiscard]] LRESULT onGetDefaultButton() const;
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onCloseRequest();
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onDestroy();
    void onFinalMessage();

    void perform(AboutAction action);
    void applyDpi(UINT dpi, POINT topLeft, bool centre);
    void runModalLoop();
    void enableOwner();

    HINSTANCE instance_;
    const MainWindow& mainWindow_;
    const std::function<void(AboutAction)>* perform_ = nullptr;
    HWND disabledOwner_ = nullptr;
    IconHandle icon_;
};

}  // namespace corvallo::win32
