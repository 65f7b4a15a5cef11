// Large text: at 150 % and 200 % every caption of both windows still fits
// its control, measured in the program's own fonts, with screenshots for
// review.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "AccessibilityFixture.h"
#include "Driver.h"
#include "core/views/MainLayout.h"
#include "win32/Dpi.h"
#include "win32/GdiCache.h"
#include "win32/MenuCommands.h"
#include "win32/Utf16.h"

namespace corvallo::e2e {
namespace {

// The screen's dots per inch for the programs started while it lives: Wine
// reads the user's LogPixels when a program starts.
class ScreenDpi {
  public:
    explicit ScreenDpi(DWORD dpi) {
        DWORD size = sizeof saved_;
        hadValue_ = RegGetValueW(HKEY_CURRENT_USER, kKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                                 &saved_, &size) == ERROR_SUCCESS;
        set(dpi);
    }
    ~ScreenDpi() {
        if (hadValue_) {
            set(saved_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"LogPixels");
        }
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

  private:
    static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
    static void set(DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    DWORD saved_ = 96;
    bool hadValue_ = false;
};

// The room a control's caption needs at `dpi`, in the font the program
// gives it, as its kind of control lays the caption out: labels and links
// word-wrapped in their width, frames' captions after a margin, option
// buttons and check boxes after their box, buttons on one line between
// their edges.
SIZE neededFor(const layout::Control& control, UINT dpi, int width, win32::GdiCache& fonts) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, fonts.font(control.font, dpi));
    const std::wstring caption = win32::toUtf16(control.caption);
    RECT text{0, 0, width, 0};
    SIZE needed{};
    switch (control.kind) {
        case layout::Kind::Label:
        case layout::Kind::Link:
            DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK);
            needed = {text.right, text.bottom};
            break;
        case layout::Kind::OptionButton:
        case layout::Kind::CheckBox: {
            DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
            int digit = 0;
            GetCharWidth32W(dc, L'0', L'0', &digit);
            needed = {win32::scaleFrom96(13, dpi) + digit / 2 + text.right, text.bottom};
            break;
        }
        case layout::Kind::Frame:
            DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
            needed = {win32::scaleFrom96(7, dpi) + text.right + 2, text.bottom};
            break;
        default:
            DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
            needed = {text.right + 2 * win32::scaleFrom96(3, dpi),
                      text.bottom + 2 * win32::scaleFrom96(2, dpi)};
            break;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return needed;
}

// Checks that each shown control's caption fits it; returns how many were
// measured.
int expectCaptionsFit(HWND window, const layout::Window& layout, UINT dpi, win32::GdiCache& fonts) {
    int measured = 0;
    for (const layout::Control& control : layout.controls) {
        if (control.caption.empty() || !control.visible) {
            continue;
        }
        SCOPED_TRACE(std::string(control.name));
        HWND handle = layoutControl(window, layout, control.name);
        EXPECT_NE(handle, nullptr);
        RECT room{};
        GetClientRect(handle, &room);
        const SIZE needed = neededFor(control, dpi, room.right, fonts);
        EXPECT_LE(needed.cx, room.right);
        EXPECT_LE(needed.cy, room.bottom);
        ++measured;
    }
    return measured;
}

// At 150 % and 200 % every caption of both windows still fits its control;
// screenshots of the main window at both for review.
TEST_F(Accessibility, EveryCaptionFitsItsControlInBothWindowsAt150And200Percent) {
    for (const auto& [dpi, shot] :
         {std::pair{144u, L"main-150.png"}, std::pair{192u, L"main-200.png"}}) {
        SCOPED_TRACE(dpi);
        ScreenDpi screen(dpi);
        HWND main = start();
        ASSERT_NE(main, nullptr);
        RECT client{};
        GetClientRect(main, &client);
        ASSERT_EQ(client.right, win32::twipsToPixels(mainLayout().clientWidth, dpi))
            << "the program did not start at " << dpi << " dpi";
        win32::GdiCache fonts;
        EXPECT_GE(expectCaptionsFit(main, mainLayout(), dpi, fonts), 15);
        const std::wstring path = programPath();
        const std::wstring shots = path.substr(0, path.find_last_of(L'\\')) + L"\\screenshots";
        CreateDirectoryW(shots.c_str(), nullptr);
        // At 200 % the window is taller than the test display (1024 pixels)
        // and, centred, starts above it: it is moved to the top for the
        // picture, which then lacks only its bottom edge.
        SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        waitFor([&] { return pixelAt(main, POINT{2, 2}) == RGB(0, 0, 0); });
        Sleep(300);
        saveScreenshot(main, shots + L"\\" + shot);
        // The About window, opened from its menu item, closed as by its close box.
        const auto& menus = mainLayout().menus;
        for (std::size_t i = 0; i < menus.size(); ++i) {
            if (menus[i].name == "mnuAbout") {
                chooseMenuItem(main, win32::menuCommandId(i));
            }
        }
        HWND about = aboutWindow(main);
        ASSERT_NE(about, nullptr);
        EXPECT_GE(expectCaptionsFit(about, layout::aboutWindow(), dpi, fonts), 5);
        PostMessageW(about, WM_CLOSE, 0, 0);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(about); }));
        program.reset();
    }
}

}  // namespace
}  // namespace corvallo::e2e
