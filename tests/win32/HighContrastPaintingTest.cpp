// The windows' painting with high contrast turned on and off while they are
// open. Wine has no high-contrast setting (SPI_SETHIGHCONTRAST fails with
// ERROR_INVALID_SPI_VALUE), so the window is the program's own layout window
// code with a question of the test's in place of SPI_GETHIGHCONTRAST; the
// change arrives as the real WM_SETTINGCHANGE does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Driver.h"
#include "win32/LayoutWindow.h"

namespace corvallo::win32 {
namespace {

bool highContrast = false;
bool askHighContrast() {
    return highContrast;
}

// The main window's layout in a window of the shared layout-window code.
class PaintedWindow final : public LayoutWindow<PaintedWindow> {
  public:
    explicit PaintedWindow(const layout::Window& layout)
        : LayoutWindow(layout, &askHighContrast), layout_(layout) {}
    ~PaintedWindow() {
        if (window() != nullptr) {
            DestroyWindow(window());
        }
    }

    HWND open() {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        registerClass(instance, L"CorvalloHighContrastTest", nullptr, nullptr);
        RECT client{0, 0, layout_.clientWidth / 15, layout_.clientHeight / 15};
        AdjustWindowRectEx(&client, WS_OVERLAPPED | WS_CAPTION, FALSE, 0);
        createWindow(0, L"CorvalloHighContrastTest", L"Corvallo v1.10",
                     WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN,
                     RECT{0, 0, client.right - client.left, client.bottom - client.top}, nullptr,
                     nullptr, instance);
        return window();
    }
    void hide(std::string_view name) { ShowWindow(controls().handle(name), SW_HIDE); }

  private:
    friend class BaseWindow<PaintedWindow>;
    friend class LayoutWindow<PaintedWindow>;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_CREATE) {
            createControls(GetModuleHandleW(nullptr), 96, {});
            return 0;
        }
        return DefWindowProcW(window(), msg, wParam, lParam);
    }

    const layout::Window& layout_;
};

void settle() {
    MSG msg;
    for (int round = 0; round < 10; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(30);
    }
}

// The client area's pixels as the screen shows them.
std::vector<COLORREF> clientPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            pixels.push_back(GetPixel(memory, x, y));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

int countOf(const std::vector<COLORREF>& pixels, COLORREF colour) {
    int count = 0;
    for (const COLORREF pixel : pixels) {
        count += pixel == colour ? 1 : 0;
    }
    return count;
}

std::wstring screenshotPath(const wchar_t* name) {
    const char* folder = std::getenv("CORVALLO_SCREENSHOTS");
    if (folder == nullptr) {
        return {};
    }
    std::wstring path(folder, folder + strlen(folder));
    for (auto& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\" + name;
}

TEST(HighContrastPainting, SwitchesToTheSystemColoursAndBackAtOnce) {
    highContrast = false;
    PaintedWindow painted(layout::mainWindow());
    HWND window = painted.open();
    ASSERT_NE(window, nullptr);
    // One panel and one promotion link, as the program shows them.
    painted.hide("fraSettings");
    painted.hide("lblCobrand");
    ShowWindow(window, SW_SHOW);
    // In the screen's bottom right corner, clear of the centred windows that
    // other tests may have left on the display.
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, HWND_TOPMOST, GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left),
                 GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top), 0, 0, SWP_NOSIZE);
    settle();

    const COLORREF black = RGB(0, 0, 0);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF darkRed = RGB(192, 0, 0);
    const std::vector<COLORREF> before = clientPixels(window);
    EXPECT_GT(countOf(before, black), static_cast<int>(before.size()) / 2);
    EXPECT_GT(countOf(before, red), 0);
    EXPECT_GT(countOf(before, darkRed), 0);

    highContrast = true;
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    settle();
    const std::vector<COLORREF> contrast = clientPixels(window);
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    EXPECT_GT(countOf(contrast, background), static_cast<int>(contrast.size()) / 2);
    EXPECT_EQ(countOf(contrast, red), 0);
    EXPECT_EQ(countOf(contrast, darkRed), 0);
    EXPECT_GT(countOf(contrast, GetSysColor(COLOR_WINDOWTEXT)), 0);
    if (const std::wstring path = screenshotPath(L"high-contrast-main.png"); !path.empty()) {
        e2e::saveScreenshot(window, path);
    }

    // Off again: exactly as before.
    highContrast = false;
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    settle();
    EXPECT_TRUE(clientPixels(window) == before);
}

}  // namespace
}  // namespace corvallo::win32
