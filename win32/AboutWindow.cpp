#include "win32/AboutWindow.h"

#include <stdexcept>

#include "core/app/Steps.h"
#include "core/ports/PlatformError.h"
#include "core/views/ControlNames.h"
#include "core/views/Routes.h"
#include "win32/Dpi.h"
#include "win32/LinkRole.h"
#include "win32/Utf16.h"
#include "win32/resource.h"

namespace corvallo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CorvalloAbout";
// A fixed dialog frame: caption, system menu and close box, no minimize or
// maximize box, not resizable.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kIconPixels = 32;

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, const MainWindow& mainWindow)
    : LayoutWindow(layout::aboutWindow()), instance_(instance), mainWindow_(mainWindow) {}

AboutWindow::~AboutWindow() {
    close();
}

void AboutWindow::showModal(const std::function<void(AboutAction)>& perform) {
    if (isOpen()) {
        throw std::logic_error("About window already open");
    }
    perform_ = &perform;
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
        throw PlatformError(static_cast<long>(GetLastError()), "About window");
    }
    if (owner != nullptr && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    ShowWindow(window(), SW_SHOW);
    SetFocus(controls().handle(names::kAboutOkButton));
    runModalLoop();
    perform_ = nullptr;
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

LRESULT AboutWindow::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            onCreate();
            return 0;
        case DM_GETDEFID:
            return onGetDefaultButton();
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
            onDestroy();
            return 0;
        case WM_NCDESTROY:
            onFinalMessage();
            break;
        default:
            break;
    }
    return DefWindowProcW(window(), msg, wParam, lParam);
}

void AboutWindow::onCreate() {
    const UINT dpi = dpiForWindow(window());
    createControls(instance_, dpi,
                   {.defaultButton = names::kAboutOkButton, .iconPicture = names::kAboutIcon});
    attempt([&] { annotateLinks(controls()); });
    applyDpi(dpi, POINT{0, 0}, true);
}

// IsDialogMessage asks which button Enter presses.
LRESULT AboutWindow::onGetDefaultButton() const {
    return MAKELRESULT(GetDlgCtrlID(controls().handle(names::kAboutOkButton)), DC_HASDEFID);
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
    controls().applyDpi(dpi);
    // The program icon at its natural 32 x 32 pixels, scaled with the DPI.
    const int pixels = scaleFrom96(kIconPixels, dpi);
    IconHandle icon(static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPICON), IMAGE_ICON, pixels, pixels, 0)));
    SendMessageW(controls().handle(names::kAboutIcon), STM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(icon.get()));
    icon_ = std::move(icon);
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
    if (const std::optional<AboutAction> action = routeOf(kAboutRoutes, controls().nameOf(id))) {
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

void AboutWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    applyDpi(dpi, POINT{suggested.left, suggested.top}, false);
}

// The owner comes back before the window goes (see close()).
void AboutWindow::onDestroy() {
    enableOwner();
}

// The last message, after the controls are gone: the icon that the picture
// box showed can go now.
void AboutWindow::onFinalMessage() {
    icon_.reset();
}

}  // namespace corvallo::win32
