#include "win32/AboutWindow.h"

#include <stdexcept>

#include "core/app/Steps.h"
#include "core/ports/PlatformError.h"
#include "core/views/Routes.h"
#include "win32/resource.h"
#include "win32/ControlNames.h"
#include "win32/Dpi.h"
#include "win32/Utf16.h"

namespace corvallo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CorvalloAbout";
// A fixed dialog frame: caption, system menu and close box, no minimize or
// maximize box, not resizable.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kIconPixels = 32;

}  // namespace

AboutWindow::~AboutWindow() {
    close();
}

void AboutWindow::showModal(const std::function<void(AboutAction)>& perform) {
    if (isOpen()) {
        throw std::logic_error("About window already open");
    }
    perform_ = &perform;
    controls_.emplace(layout::aboutWindow());
    HICON classIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPICON),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
    registerClass(instance_, kClassName, classIcon, nullptr);
    // Owned by the main window, so that it stays above it and has no task-bar
    // button of its own.
    HWND owner = mainWindow_.window();
    const std::wstring caption = toUtf16(layout::aboutWindow().caption);
    if (createWindow(kExStyle, kClassName, caption.c_str(), kStyle, RECT{0, 0, 0, 0}, owner,
                     nullptr, instance_) == nullptr) {
        perform_ = nullptr;
        controls_.reset();
        throw PlatformError(static_cast<long>(GetLastError()), "About window");
    }
    if (owner != nullptr && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    ShowWindow(window(), SW_SHOW);
    SetFocus(controls_->handle(names::kAboutOkButton));
    runModalLoop();
    perform_ = nullptr;
    controls_.reset();
}

void AboutWindow::runModalLoop() {
    MSG msg;
    while (isOpen()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (!isOpen() || !IsDialogMessageW(window(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

// The owner is enabled before this window goes, so that Windows gives the
// activation back to it rather than to another program's window.
void AboutWindow::close() {
    enableOwner();
    if (window() != nullptr) {
        DestroyWindow(window());
    }
}

void AboutWindow::enableOwner() {
    if (disabledOwner_ != nullptr) {
        EnableWindow(disabledOwner_, TRUE);
        disabledOwner_ = nullptr;
    }
}

LRESULT AboutWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_ERASEBKGND:
            controls_->eraseBackground(window(), reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_PRINTCLIENT:
            // A themed button's request for the background behind it.
            controls_->printClient(window(), reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(controls_->colourControl(
                reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_SETCURSOR:
            if (controls_->isLink(reinterpret_cast<HWND>(wParam))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case DM_GETDEFID:
            // IsDialogMessage asks which button Enter presses.
            return MAKELRESULT(GetDlgCtrlID(controls_->handle(names::kAboutOkButton)), DC_HASDEFID);
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_CLOSE:
            onCloseRequest();
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            enableOwner();
            return 0;
        case WM_NCDESTROY:
            // The last message, after the controls are gone: the icon that
            // picIcon showed can go now.
            onDestroy();
            break;
        default:
            break;
    }
    return DefWindowProcW(window(), msg, wParam, lParam);
}

void AboutWindow::onCreate() {
    const UINT dpi = dpiForWindow(window());
    controls_->create(window(), instance_, dpi,
                      {.defaultButton = names::kAboutOkButton, .iconPicture = names::kAboutIcon});
    applyDpi(dpi, POINT{0, 0}, true);
}

void AboutWindow::applyDpi(UINT dpi, POINT topLeft, bool centre) {
    const layout::Window& layout = layout::aboutWindow();
    const SIZE size =
        windowSizeForClient(twipsToPixels(layout.clientWidth, dpi),
                            twipsToPixels(layout.clientHeight, dpi), kStyle, kExStyle, false, dpi);
    if (centre) {
        topLeft = centredOnPrimaryScreen(size);
    }
    SetWindowPos(window(), nullptr, topLeft.x, topLeft.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    controls_->applyDpi(dpi);
    // The program icon at its natural 32 x 32 pixels, scaled with the DPI.
    const int pixels = scaleFrom96(kIconPixels, dpi);
    HICON icon = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPICON), IMAGE_ICON, pixels, pixels, 0));
    SendMessageW(controls_->handle(names::kAboutIcon), STM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(icon));
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
    icon_ = icon;
}

void AboutWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    // Esc arrives from IsDialogMessage as IDCANCEL, with no control: as "&OK".
    if (id == IDCANCEL && lParam == 0) {
        perform(AboutAction::Close);
        return;
    }
    // The button reports a click as BN_CLICKED, the links (notifying
    // statics) as STN_CLICKED; both are 0.
    if (notification != BN_CLICKED) {
        return;
    }
    if (const std::optional<AboutAction> action = routeOf(kAboutRoutes, controls_->nameOf(id))) {
        perform(*action);
    }
}

// The close box, Alt+F4 and Close in the system menu: as "&OK".
void AboutWindow::onCloseRequest() {
    perform(AboutAction::Close);
}

void AboutWindow::perform(AboutAction action) {
    if (perform_ != nullptr) {
        attempt([&] { (*perform_)(action); });
    }
}

void AboutWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    controls_->paintOutlines(window(), dc);
    EndPaint(window(), &paint);
}

void AboutWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    applyDpi(dpi, POINT{suggested.left, suggested.top}, false);
}

void AboutWindow::onDestroy() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
        icon_ = nullptr;
    }
}

}  // namespace corvallo::win32
