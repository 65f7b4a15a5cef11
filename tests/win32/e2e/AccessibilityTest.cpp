// Works the real Corvallo.exe under Wine without a mouse: keys through the
// system's input queue, the focus read back from the program's thread, the
// names and roles a screen reader reads through Active Accessibility, and
// the colours of its windows with high contrast on.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleacc.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AccessibilityFixture.h"
#include "Driver.h"
#include "core/views/MainLayout.h"
#include "win32/MenuCommands.h"
#include "win32/Utf16.h"

namespace corvallo::e2e {
namespace {

// The https scheme's handler is, for the time of a test, a command that
// writes each address it is given into a file: so a page that the program
// opens is seen. Wine reads the scheme from the machine's classes.
class CaughtPages {
  public:
    CaughtPages() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        file_ = std::wstring(temp) + L"corvallo-opened-pages.txt";
        DeleteFileW(file_.c_str());
        saved_ = read();
        write(L"cmd.exe /c echo %1>>\"" + file_ + L"\"");
    }
    ~CaughtPages() {
        if (saved_) {
            write(*saved_);
        }
        DeleteFileW(file_.c_str());
    }
    CaughtPages(const CaughtPages&) = delete;
    CaughtPages& operator=(const CaughtPages&) = delete;

    // Forgets the addresses opened so far.
    void clear() { DeleteFileW(file_.c_str()); }
    // The addresses opened so far, one per line.
    [[nodiscard]] std::vector<std::string> addresses() const {
        std::vector<std::string> lines;
        std::ifstream in{std::filesystem::path(file_)};
        for (std::string line; std::getline(in, line);) {
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
                line.pop_back();
            }
            if (!line.empty()) {
                lines.push_back(line);
            }
        }
        return lines;
    }
    [[nodiscard]] bool opened(const std::string& pageKey) const {
        return waitFor([&] {
            for (const std::string& address : addresses()) {
                if (address.ends_with("?page=" + pageKey)) {
                    return true;
                }
            }
            return false;
        });
    }

  private:
    static constexpr const wchar_t* kKey = L"Software\\Classes\\https\\shell\\open\\command";
    static std::optional<std::wstring> read() {
        wchar_t data[2048] = {};
        DWORD size = sizeof data;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, RRF_RT_REG_SZ, nullptr, data, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::wstring(data);
    }
    static void write(const std::wstring& command) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }

    std::wstring file_;
    std::optional<std::wstring> saved_;
};

TEST_F(Accessibility, TabAndShiftTabFollowTheReadingOrderOfBothPanels) {
    HWND main = start();
    ASSERT_NE(main, nullptr);
    const std::string promotion = shownPromotion(main);
    // Activation puts the focus on the first control.
    EXPECT_TRUE(waitFor([&] { return focusIn(main, mainLayout()) == "Label61"; }))
        << "focus on " << focusIn(main, mainLayout());
    expectFocusWalk(main, mainLayout(), {VK_TAB}, {"cmdSettings", "cmdExit", promotion, "Label61"});
    expectFocusWalk(main, mainLayout(), {VK_SHIFT, VK_TAB},
                    {promotion, "cmdExit", "cmdSettings", "Label61"});

    // Enter presses the focused "&Settings"; the focus goes to the settings
    // panel's first list, and its controls take the tip panel's place in the
    // order. The option buttons are one stop (the selected one); the check
    // box is disabled while "Don't run" is chosen.
    pressKeys(main, {VK_TAB});
    ASSERT_EQ(focusIn(main, mainLayout()), "cmdSettings");
    pressKeys(main, {VK_RETURN});
    HWND hourList = layoutControl(main, mainLayout(), "cboHour");
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(hourList) != FALSE; }));
    EXPECT_EQ(focusIn(main, mainLayout()), "cboHour");
    expectFocusWalk(main, mainLayout(), {VK_TAB},
                    {"cboMinute", "cboSecond", "optDontRun", "cmdCalculateMoonPhase", "cmdExit",
                     promotion, "Label61", "cboHour"});
}

TEST_F(Accessibility, OptionButtonsCheckBoxLinksAndAccessKeysWorkByKeyboard) {
    CaughtPages pages;
    HWND main = start();
    ASSERT_NE(main, nullptr);
    const std::string promotion = shownPromotion(main);
    ASSERT_TRUE(waitFor([&] { return focusIn(main, mainLayout()) == "Label61"; }));

    // Enter on the banner link and on the promotion link opens their pages.
    // (The command that catches the page takes the foreground; the keys go
    // to the program again afterwards.)
    pressKeys(main, {VK_RETURN});
    EXPECT_TRUE(pages.opened("home-page"));
    ASSERT_TRUE(bringToForeground(main));
    pressKeys(main, {VK_SHIFT, VK_TAB});
    ASSERT_EQ(focusIn(main, mainLayout()), promotion);
    pressKeys(main, {VK_RETURN});
    EXPECT_TRUE(pages.opened(promotion == "lblCobrand" ? "co-brand" : "fully-branded"));
    ASSERT_TRUE(bringToForeground(main));

    // To the option buttons: Up moves to "Run at start-up", Space chooses
    // it, which writes the Run value and enables the check box.
    pressKeys(main, {VK_MENU, 'S'});
    HWND dontRun = layoutControl(main, mainLayout(), "optDontRun");
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(dontRun) != FALSE; }));
    for (int i = 0; i < 3; ++i) {
        pressKeys(main, {VK_TAB});
    }
    ASSERT_EQ(focusIn(main, mainLayout()), "optDontRun");
    pressKeys(main, {VK_UP});
    EXPECT_EQ(focusIn(main, mainLayout()), "optRun");
    pressKeys(main, {VK_SPACE});
    EXPECT_TRUE(waitFor([] { return Registry::read(Registry::kRunKey, L"Corvallo").has_value(); }));
    HWND trayAtLogOn = layoutControl(main, mainLayout(), "chkSysTray");
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(trayAtLogOn) != FALSE; }));
    // The check box is now the next stop; Space ticks it, which is stored at once.
    pressKeys(main, {VK_TAB});
    EXPECT_EQ(focusIn(main, mainLayout()), "chkSysTray");
    pressKeys(main, {VK_SPACE});
    EXPECT_TRUE(
        waitFor([] { return Registry::read(Registry::kSettingsKey, L"RunAtSysTray") == L"True"; }));
    // Back to the option buttons; Down and Space choose "Don't run".
    pressKeys(main, {VK_SHIFT, VK_TAB});
    EXPECT_EQ(focusIn(main, mainLayout()), "optRun");
    pressKeys(main, {VK_DOWN});
    pressKeys(main, {VK_SPACE});
    EXPECT_TRUE(
        waitFor([] { return !Registry::read(Registry::kRunKey, L"Corvallo").has_value(); }));

    // The menus by their access keys: Help, About Software.
    pressKeys(main, {VK_MENU, 'H'});
    pressKeys(main, {'A'});
    HWND about = aboutWindow(main);
    ASSERT_NE(about, nullptr);
    const layout::Window& aboutLayout = layout::aboutWindow();
    EXPECT_TRUE(waitFor([&] { return focusIn(about, aboutLayout) == "cmdOK"; }));
    expectFocusWalk(about, aboutLayout, {VK_TAB}, {"lblHomePage", "Label5", "cmdOK"});
    expectFocusWalk(about, aboutLayout, {VK_SHIFT, VK_TAB}, {"Label5"});
    pages.clear();
    pressKeys(about, {VK_RETURN});
    EXPECT_TRUE(pages.opened("fully-branded"));
    EXPECT_TRUE(IsWindowVisible(about));
    ASSERT_TRUE(bringToForeground(about));
    pressKeys(about, {VK_MENU, 'O'});
    EXPECT_TRUE(waitFor([&] { return !IsWindow(about); }));

    // Alt+E presses "&Exit", which asks before quitting.
    ASSERT_TRUE(bringToForeground(main));
    pressKeys(main, {VK_MENU, 'E'});
    HWND box = program->messageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), L"Are You Sure You Want To Quit Corvallo?");
    answerMessageBox(box, IDNO);
}

// What a screen reader reads. Wine's Active Accessibility gives every
// standard control the generic role "client" and no checked state, so only
// the names are compared here; the roles Windows derives from the control
// classes are listed in docs/accessibility.md.
TEST_F(Accessibility, ScreenReaderNamesComeFromTheCaptionsAndTheTip) {
    HWND main = start();
    ASSERT_NE(main, nullptr);
    const std::wstring tip = windowText(layoutControl(main, mainLayout(), "lblCardDesc"));
    ASSERT_FALSE(tip.empty());
    const std::pair<const char*, std::wstring> expected[] = {
        {"Label61",
         L"Join our feng shui discussion board, the friendliest place online to share ideas "
         L"and ask questions. Click here to visit it!"},
        {"picCard", tip},
        {"picCard2", tip},
        {"lblCardDesc", tip},
        {"cmdSettings", L"Settings"},
        {"optRun", L"Run at start-up"},
        {"optDontRun", L"Don't run at start-up"},
        {"chkSysTray", L"Start at system tray"},
        {"cmdCalculateMoonPhase", L"Show Corvallo Tip"},
        {"cmdExit", L"Exit"},
        {"lblFullBrand",
         L"Home Business Opportunity. Start your own Internet business and make money online. "
         L"Get this software fully branded for your website. Click here for more details."},
    };
    for (const auto& [name, accessibleName] : expected) {
        SCOPED_TRACE(name);
        const AccessibleInfo info = accessibleOf(layoutControl(main, mainLayout(), name));
        ASSERT_TRUE(info.found);
        EXPECT_EQ(info.name, accessibleName);
    }
}

// Windows names a list after the static text right before it in the
// z-order: each time list's caption must be made just before the list.
TEST_F(Accessibility, EachTimeListComesRightAfterItsCaption) {
    HWND main = start();
    ASSERT_NE(main, nullptr);
    const std::pair<const char*, const wchar_t*> lists[] = {
        {"cboHour", L"Hour"}, {"cboMinute", L"Minute"}, {"cboSecond", L"Second"}};
    for (const auto& [list, caption] : lists) {
        SCOPED_TRACE(list);
        HWND before = GetWindow(layoutControl(main, mainLayout(), list), GW_HWNDPREV);
        ASSERT_NE(before, nullptr);
        EXPECT_EQ(className(before), L"Static");
        EXPECT_EQ(windowText(before), caption);
    }
}

}  // namespace
}  // namespace corvallo::e2e
