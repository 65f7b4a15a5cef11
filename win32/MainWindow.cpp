#include "win32/MainWindow.h"

#include <commctrl.h>

#include <stdexcept>

#include "core/app/Program.h"
#include "core/app/Steps.h"
#include "core/model/ProgramName.h"
#include "core/ports/PlatformError.h"
#include "core/views/ControlNames.h"
#include "win32/Dpi.h"
#include "win32/Utf16.h"
#include "win32/resource.h"

namespace corvallo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CorvalloMain";
// The daily display checks the time once a second.
constexpr UINT_PTR kDailyTimerId = 1;
constexpr UINT kDailyTimerInterval = 1000;
// Fixed single border: a caption with the system menu and close box, no
// minimize or maximize box, not resizable.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, IconStoreWindow& iconStore)
    : LayoutWindow(layout::mainWindow()),
      instance_(instance),
      iconStore_(iconStore),
      menus_(layout::mainWindow().menus),
      pictures_(instance) {}

MainWindow::~MainWindow() {
    if (window() != nullptr) {
        DestroyWindow(window());
    }
}

void MainWindow::attach(Program& program, Win32TrayIcon& trayIcon) {
    program_ = &program;
    trayIcon_ = &trayIcon;
}

bool MainWindow::translateDialogMessage(MSG& msg) {
    return window() != nullptr && IsDialogMessageW(window(), &msg);
}

// Every call into the core from a window procedure goes through attempt: an
// exception must not unwind through Windows' code that called the window
// procedure, and a failing step is skipped without a message, as everywhere
// in the program.
MainPresenter& MainWindow::presenter() const {
    if (program_ == nullptr) {
        throw std::logic_error("main window not attached to a program");
    }
    return program_->main();
}

// Creating the window changes no value a caller can see, so the view's
// const getters may make it on their first use too.
void MainWindow::ensureCreated() const {
    if (window() != nullptr) {
        return;
    }
    if (destroyed_) {
        throw std::logic_error("main window already destroyed");
    }
    auto* self = const_cast<MainWindow*>(this);
    HICON icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPICON), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_SHARED));
    HICON smallIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPICON),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    registerClass(instance_, kClassName, icon, smallIcon);
    const std::wstring caption = toUtf16(kWindowCaption);
    // Made hidden; WM_CREATE sizes and centres it for its monitor's DPI.
    if (self->createWindow(kExStyle, kClassName, caption.c_str(), kStyle, RECT{0, 0, 0, 0}, nullptr,
                           nullptr, instance_) == nullptr) {
        throw PlatformError(static_cast<long>(GetLastError()), "main window");
    }
}

LRESULT MainWindow::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_SHOWWINDOW:
            // Sent before the window is on screen, whichever way it is shown.
            if (wParam != FALSE) {
                showPendingPictures();
            }
            break;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case DM_GETDEFID:
            return onGetDefaultButton();
        case WM_TIMER:
            onTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_SYSCOMMAND:
            if (onSystemCommand(wParam)) {
                return 0;
            }
            break;
        case WM_CLOSE:
            onCloseRequest();
            return 0;
        case WM_QUERYENDSESSION:
            return onQueryEndSession();
        case WM_ENDSESSION:
            onEndSession(wParam != 0);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        default:
            // Registered at run time, so it cannot be a case label.
            if (msg == taskbarCreatedMessage_ && msg != 0) {
                onTaskbarCreated();
                return 0;
            }
            break;
    }
    return DefWindowProcW(window(), msg, wParam, lParam);
}

void MainWindow::onCreate() {
    const UINT dpi = dpiForWindow(window());
    createControls(instance_, dpi, {});
    createMenus();
    // The shell broadcasts this message to top-level windows when it has
    // created the task bar, after Explorer restarted.
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    SetWindowSubclass(trayCallbackWindow(), trayCallbackProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetTimer(window(), kDailyTimerId, kDailyTimerInterval, nullptr);
    resizeForDpi(dpi, POINT{0, 0});
    centreOnScreen();
}

// The menu bar from the layout; a window destroys its menu bar with itself.
// Without one the window still works (its commands are also buttons).
void MainWindow::createMenus() {
    attempt([&] {
        MenuHandle bar(menus_.createMenuBar());
        if (SetMenu(window(), bar.get())) {
            (void)bar.release();
        }
    });
}

void MainWindow::resizeForDpi(UINT dpi, POINT topLeft) {
    const layout::Window& layout = layout::mainWindow();
    const SIZE size =
        windowSizeForClient(twipsToPixels(layout.clientWidth, dpi),
                            twipsToPixels(layout.clientHeight, dpi), kStyle, kExStyle, true, dpi);
    SetWindowPos(window(), nullptr, topLeft.x, topLeft.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::onDestroy() {
    KillTimer(window(), kDailyTimerId);
    destroyed_ = true;
}

// DefWindowProc gives the keyboard focus to the window itself on activation;
// the control that had it before, or else the first one, gets it back.
void MainWindow::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        focusBeforeDeactivation_ = GetFocus();
        return;
    }
    HWND focus = focusBeforeDeactivation_;
    if (focus == nullptr || !IsWindow(focus) || !IsWindowVisible(focus) ||
        !IsChild(window(), focus)) {
        focus = GetNextDlgTabItem(window(), nullptr, FALSE);
    }
    if (focus != nullptr) {
        SetFocus(focus);
    }
}

// IsDialogMessage asks which button Enter presses. On Windows only a
// dialog's own procedure makes the focused push button the default one; this
// window is no dialog, so it names the focused push button itself, and Enter
// presses it as Space does. (Wine presses the focused button either way, so
// its tests pass without this answer.)
LRESULT MainWindow::onGetDefaultButton() const {
    HWND focus = GetFocus();
    const layout::Control* control = controls().controlOf(focus);
    if (control == nullptr || control->kind != layout::Kind::Button) {
        return 0;
    }
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

void MainWindow::onTimer(UINT_PTR id) {
    if (id == kDailyTimerId) {
        attempt([&] { presenter().tick(); });
    }
}

// The window keeps its position (the system's suggestion) and gets the client
// size, fonts and pictures of the new DPI. Both picture boxes are emptied
// first: the first picture of the new size replaces every bitmap of the old
// size, including the one the other box would still show.
void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    resizeForDpi(dpi, POINT{suggested.left, suggested.top});
    controls().applyDpi(dpi);
    SendMessageW(control(names::kTipPicture), STM_SETIMAGE, IMAGE_BITMAP, 0);
    SendMessageW(control(names::kSettingsPicture), STM_SETIMAGE, IMAGE_BITMAP, 0);
    picturesPending_ = true;
    if (IsWindowVisible(window()) != FALSE) {
        showPendingPictures();
    }
}

// The close box, Close in the system menu and Alt+F4 all arrive as SC_CLOSE;
// the low four bits are used by the system. True when the command was handled.
bool MainWindow::onSystemCommand(WPARAM command) {
    if ((command & 0xFFF0) != SC_CLOSE) {
        return false;
    }
    onCloseBox();
    return true;
}

void MainWindow::onCloseBox() {
    attempt([&] { presenter().close(CloseReason::CloseBox); });
}

// A plain WM_CLOSE that did not come from SC_CLOSE was sent by another
// program (Task Manager, taskkill without /f).
void MainWindow::onCloseRequest() {
    attempt([&] { presenter().close(CloseReason::OtherProgram); });
}

// The program never stands in the way of a log-off or shutdown.
LRESULT MainWindow::onQueryEndSession() {
    return TRUE;
}

// Windows ends the process soon after WM_ENDSESSION returns, so the settings
// are saved and the icon removed before returning.
void MainWindow::onEndSession(bool ending) {
    if (ending) {
        attempt([&] { presenter().close(CloseReason::SessionEnd); });
    }
}

// Explorer restarted: the new notification area needs the icon again.
void MainWindow::onTaskbarCreated() {
    if (trayIcon_ != nullptr) {
        trayIcon_->taskbarCreated();
    }
}

// The tray callback window: the shell sends the icon's callback message to
// it, with the mouse message in the low word of lParam; the retry timer of
// the icon's add runs on it as well.
LRESULT CALLBACK MainWindow::trayCallbackProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR data) {
    return reinterpret_cast<MainWindow*>(data)->onTrayCallbackMessage(hwnd, msg, wParam, lParam);
}

LRESULT MainWindow::onTrayCallbackMessage(HWND callbackWindow, UINT msg, WPARAM wParam,
                                          LPARAM lParam) {
    if (msg == Win32TrayIcon::kCallbackMessage) {
        onTrayMouseMessage(LOWORD(lParam));
        return 0;
    }
    if (msg == WM_TIMER && wParam == Win32TrayIcon::kRetryTimerId) {
        if (trayIcon_ != nullptr) {
            trayIcon_->retryTimerElapsed();
        }
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(callbackWindow, trayCallbackProc, 0);
    }
    return DefSubclassProc(callbackWindow, msg, wParam, lParam);
}

void MainWindow::onTrayMouseMessage(UINT mouseMessage) {
    if (const std::optional<TrayGesture> gesture = Win32TrayIcon::gestureOf(mouseMessage)) {
        attempt([&] { presenter().trayGesture(*gesture); });
    }
}

}  // namespace corvallo::win32
