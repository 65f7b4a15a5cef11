// Works the real Corvallo.exe under Wine as a user and an accessibility tool
// would: finds its windows and controls by class and caption, clicks them,
// picks list entries, answers its message boxes and reads the registry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "Driver.h"
#include "KeysAndScreen.h"
#include "core/views/MainLayout.h"
#include "win32/MenuCommands.h"

namespace corvallo::e2e {
namespace {

constexpr UINT kTrayCallback = 513;
constexpr LPARAM kDoubleClick = 0x0203;
// The notification icon's popup menu: "Show", then "Exit".
constexpr int kShowItem = 0;
constexpr int kExitItem = 1;

// The command that the menu item of that name sends: its index in the
// layout's menu description gives it.
int menuCommand(std::string_view name) {
    const auto& menus = layout::mainWindow().menus;
    for (std::size_t i = 0; i < menus.size(); ++i) {
        if (menus[i].name == name) {
            return win32::menuCommandId(i);
        }
    }
    ADD_FAILURE() << "no menu item " << name;
    return 0;
}

std::wstring programFolder() {
    const std::wstring path = programPath();
    return path.substr(0, path.find_last_of(L'\\'));
}

// Screenshots for review go beside the program, in build/windows/screenshots.
std::wstring screenshotFolder() {
    const std::wstring folder = programFolder() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// True when `control` is what a user sees at its centre, that is, its panel
// is in front.
bool seenOnTop(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    HWND top = WindowFromPoint(centre);
    return top == control || IsChild(control, top);
}

bool centredOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int dx = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2 - rect.left;
    const int dy = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2 - rect.top;
    return std::abs(dx) <= 2 && std::abs(dy) <= 2;
}

std::optional<std::wstring> setting(const wchar_t* name) {
    return Registry::read(Registry::kSettingsKey, name);
}

class EndToEnd : public testing::Test {
  protected:
    void SetUp() override {
        Registry::clearSettings();
        Registry::removeRunValue();
    }
    void TearDown() override {
        program.reset();
        Registry::removeRunValue();
    }

    // Starts the program and waits for its main window.
    HWND start(const std::wstring& arguments = L"") {
        program = std::make_unique<RunningProgram>(programPath(), arguments);
        HWND main = program->mainWindow();
        EXPECT_NE(main, nullptr) << "the main window did not appear";
        return main;
    }
    // A store as a finished first run leaves it, with tomorrow's tip due.
    void storeLaterRun() {
        Registry::write(Registry::kSettingsKey, L"Hour", L"7");
        Registry::write(Registry::kSettingsKey, L"Minute", L"0");
        Registry::write(Registry::kSettingsKey, L"Second", L"0");
        Registry::write(Registry::kSettingsKey, L"Card", L"16");
    }
    HWND button(HWND main, const std::wstring& caption) {
        HWND found = findControl(main, L"Button", caption);
        EXPECT_NE(found, nullptr) << "no button '" << std::string(caption.begin(), caption.end())
                                  << "'";
        return found;
    }
    bool hiddenInTray(HWND main) {
        const bool held = waitFor(
            [&] { return !IsWindowVisible(main) && trayIconPresent(trayCallbackWindow(main)); });
        if (!held) {
            HWND callback = trayCallbackWindow(main);
            ADD_FAILURE() << "window visible: " << IsWindowVisible(main)
                          << ", callback window: " << callback
                          << ", icon present: " << trayIconPresent(callback);
        }
        return held;
    }

    std::unique_ptr<RunningProgram> program;
};

TEST_F(EndToEnd, FirstRunStoresDefaultsAndShowsTheSettingsPanel) {
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(centredOnScreen(main));
    EXPECT_EQ(setting(L"Hour"), L"7");
    EXPECT_EQ(setting(L"Minute"), L"0");
    EXPECT_EQ(setting(L"Second"), L"0");
    ASSERT_TRUE(setting(L"Date").has_value());
    const int card = _wtoi(setting(L"Card").value_or(L"0").c_str());
    EXPECT_GE(card, 1);
    EXPECT_LE(card, 30);
    EXPECT_FALSE(setting(L"AutorunStartUp").has_value());
    EXPECT_TRUE(seenOnTop(button(main, L"Show Corvallo Tip")));
    EXPECT_FALSE(seenOnTop(button(main, L"&Settings")));
    const MainLists lists = findLists(main);
    ASSERT_NE(lists.hour, nullptr);
    EXPECT_EQ(selectedListEntry(lists.hour), 7);
    EXPECT_EQ(selectedListEntry(lists.minute), 0);
    EXPECT_EQ(selectedListEntry(lists.day), 0);
    // The date lists and the tray's callback window are never seen.
    EXPECT_FALSE(seenOnTop(lists.day));
    EXPECT_NE(trayCallbackWindow(main), nullptr);
    saveScreenshot(main, screenshotFolder() + L"\\main-settings-panel.bmp");
}

TEST_F(EndToEnd, SecondCopyIsRefusedAndTheFirstStays) {
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    RECT before{};
    GetWindowRect(main, &before);

    RunningProgram second(programPath());
    HWND box = second.messageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), L"Application is already running");
    EXPECT_TRUE(second.topLevelWindows(L"Corvallo v1.10").empty());
    answerMessageBox(box, IDOK);
    EXPECT_TRUE(second.hasEnded(std::chrono::milliseconds(10000)));
    EXPECT_FALSE(program->hasEnded());
    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(EndToEnd, PickingAnHourStoresItAtOnce) {
    HWND main = start();
    const MainLists lists = findLists(main);
    ASSERT_NE(lists.hour, nullptr);
    pickListEntry(lists.hour, 18);
    EXPECT_TRUE(waitFor([] { return setting(L"Hour") == L"18"; }));
    pickListEntry(lists.second, 42);
    EXPECT_TRUE(waitFor([] { return setting(L"Second") == L"42"; }));
}

TEST_F(EndToEnd, RunAtStartUpOptionsWriteAndDeleteTheRunValue) {
    HWND main = start();
    click(button(main, L"Run at start-up"));
    const std::wstring expected = L"\"" + programFolder() + L"\\Corvallo.exe\" /STARTUP";
    EXPECT_TRUE(waitFor([&] { return Registry::read(Registry::kRunKey, L"Corvallo") == expected; }))
        << "Run value: "
        << std::string(Registry::read(Registry::kRunKey, L"Corvallo").value_or(L"<absent>").begin(),
                       Registry::read(Registry::kRunKey, L"Corvallo").value_or(L"<absent>").end());
    HWND trayAtLogOn = button(main, L"Start at system tray");
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(trayAtLogOn) != FALSE; }));

    click(button(main, L"Don't run at start-up"));
    EXPECT_TRUE(
        waitFor([] { return !Registry::read(Registry::kRunKey, L"Corvallo").has_value(); }));
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(trayAtLogOn) == FALSE; }));
    EXPECT_EQ(program->messageBox(std::chrono::milliseconds(300)), nullptr);
}

TEST_F(EndToEnd, ShowTipHidesInTheTrayAndStoresTheStartUpChoices) {
    HWND main = start();
    click(button(main, L"Run at start-up"));
    click(button(main, L"Start at system tray"));
    EXPECT_TRUE(waitFor([] { return setting(L"RunAtSysTray") == L"True"; }));
    EXPECT_FALSE(setting(L"SystemTray").has_value());
    click(button(main, L"Show Corvallo Tip"));
    EXPECT_TRUE(hiddenInTray(main));
    EXPECT_TRUE(waitFor([] { return setting(L"AutorunStartUp") == L"True"; }));
    EXPECT_EQ(setting(L"SystemTray"), L"True");

    // A double-click on the icon brings the window back, centred, with the
    // tip panel in front, and the icon goes.
    PostMessageW(trayCallbackWindow(main), kTrayCallback, 0, kDoubleClick);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(waitFor([&] { return !trayIconPresent(trayCallbackWindow(main)); }));
    EXPECT_TRUE(centredOnScreen(main));
    EXPECT_TRUE(seenOnTop(button(main, L"&Settings")));
    saveScreenshot(main, screenshotFolder() + L"\\main-tip-panel.bmp");
}

TEST_F(EndToEnd, CloseBoxHidesWithoutStoring) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    click(button(main, L"&Settings"));
    click(button(main, L"Run at start-up"));
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(hiddenInTray(main));
    EXPECT_FALSE(program->hasEnded(std::chrono::milliseconds(500)));
    EXPECT_FALSE(setting(L"AutorunStartUp").has_value());
}

TEST_F(EndToEnd, ExitQuestionNoHidesYesQuits) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    click(button(main, L"&Exit"));
    HWND box = program->messageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), L"Are You Sure You Want To Quit Corvallo?");
    answerMessageBox(box, IDNO);
    EXPECT_TRUE(hiddenInTray(main));
    EXPECT_FALSE(program->hasEnded());

    PostMessageW(trayCallbackWindow(main), kTrayCallback, 0, kDoubleClick);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    HWND callback = trayCallbackWindow(main);
    click(button(main, L"&Exit"));
    box = program->messageBox();
    ASSERT_NE(box, nullptr);
    answerMessageBox(box, IDYES);
    EXPECT_TRUE(program->hasEnded(std::chrono::milliseconds(10000)));
    EXPECT_EQ(setting(L"AutorunStartUp"), L"False");
    EXPECT_FALSE(trayIconPresent(callback));
}

TEST_F(EndToEnd, DailyDisplayArrivesWhileHidden) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    // Keep clear of a change of minute while the three lists are set.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    if (now.wSecond > 50) {
        Sleep((61 - now.wSecond) * 1000);
    }
    GetLocalTime(&now);
    const int second = now.wSecond + 5;
    const MainLists lists = findLists(main);
    pickListEntry(lists.hour, now.wHour);
    pickListEntry(lists.minute, now.wMinute);
    pickListEntry(lists.second, second);
    click(button(main, L"Show Corvallo Tip"));
    ASSERT_TRUE(hiddenInTray(main));
    // The display shows the window, then restores it: wait for both steps.
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(main) && !IsIconic(main); },
                        std::chrono::milliseconds(12000)));
    EXPECT_TRUE(trayIconPresent(trayCallbackWindow(main)));
}

TEST_F(EndToEnd, AboutWindowIsModalAndClosesWithEnterAndEsc) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Esc");
        chooseMenuItem(main, menuCommand("mnuAbout"));
        HWND about = nullptr;
        ASSERT_TRUE(waitFor([&] {
            for (HWND window : program->topLevelWindows(L"Corvallo v1.10")) {
                if (window != main && IsWindowVisible(window)) {
                    about = window;
                    return true;
                }
            }
            return false;
        }));
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_TRUE(centredOnScreen(about));
        EXPECT_NE(findControl(about, L"Button", L"&OK"), nullptr);
        EXPECT_NE(findControl(about, L"Static", L"Click here for more details"), nullptr);
        if (key == VK_RETURN) {
            saveScreenshot(about, screenshotFolder() + L"\\about.bmp");
        }
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &gui);
        ASSERT_NE(gui.hwndFocus, nullptr);
        PostMessageW(gui.hwndFocus, WM_KEYDOWN, key, 0);
        PostMessageW(gui.hwndFocus, WM_KEYUP, key, 0);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(about); }));
        EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(main) != FALSE; }));
    }
}

TEST_F(EndToEnd, LogOnStartWithTrayChoiceLeavesOnlyTheIcon) {
    storeLaterRun();
    Registry::write(Registry::kSettingsKey, L"RunAtSysTray", L"True");
    Registry::write(Registry::kSettingsKey, L"SystemTray", L"True");
    Registry::write(Registry::kSettingsKey, L"AutorunStartUp", L"True");
    Registry::write(Registry::kRunKey, L"Corvallo", L"\"" + programPath() + L"\" /STARTUP");
    HWND main = start(L"/STARTUP");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(hiddenInTray(main));
    Sleep(1000);
    EXPECT_FALSE(IsWindowVisible(main));
    // The day's picture, set while the window was hidden, is on screen with it.
    ASSERT_TRUE(chooseFromTrayMenu(*program, trayCallbackWindow(main), kShowItem));
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) && !IsIconic(main); }));
    HWND picture = layoutControl(main, layout::mainWindow(), "picCard");
    EXPECT_TRUE(waitFor([&] { return coloursOnScreen(picture) >= 4; })) << "a blank picture box";
}

TEST_F(EndToEnd, TrayMenuShowBringsTheWindowBack) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(hiddenInTray(main));
    ASSERT_TRUE(chooseFromTrayMenu(*program, trayCallbackWindow(main), kShowItem));
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(waitFor([&] { return !trayIconPresent(trayCallbackWindow(main)); }));
}

TEST_F(EndToEnd, TrayMenuExitQuitsWithoutAQuestion) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    click(button(main, L"Show Corvallo Tip"));
    ASSERT_TRUE(hiddenInTray(main));
    ASSERT_TRUE(chooseFromTrayMenu(*program, trayCallbackWindow(main), kExitItem));
    EXPECT_TRUE(program->hasEnded(std::chrono::milliseconds(10000)));
    EXPECT_EQ(program->messageBox(std::chrono::milliseconds(0)), nullptr);
}

TEST_F(EndToEnd, CloseFromAnotherProgramQuitsAndSaves) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    click(button(main, L"&Settings"));
    click(button(main, L"Run at start-up"));
    // What a task manager (or taskkill without /f) sends.
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program->hasEnded(std::chrono::milliseconds(10000)));
    EXPECT_EQ(program->messageBox(std::chrono::milliseconds(0)), nullptr);
    EXPECT_EQ(setting(L"AutorunStartUp"), L"True");
}

TEST_F(EndToEnd, LogOffSavesAndRemovesTheIconBeforeTheEnd) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    click(button(main, L"Show Corvallo Tip"));
    ASSERT_TRUE(hiddenInTray(main));
    HWND callback = trayCallbackWindow(main);
    Registry::clearSettings();
    // Windows asks, then tells every top-level window that the session ends,
    // and ends the process soon after WM_ENDSESSION returns.
    EXPECT_NE(SendMessageW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    SendMessageW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(setting(L"AutorunStartUp"), L"False");
    EXPECT_EQ(setting(L"SystemTray"), L"False");
    EXPECT_FALSE(trayIconPresent(callback));
    EXPECT_EQ(program->messageBox(std::chrono::milliseconds(0)), nullptr);
}

TEST_F(EndToEnd, IconComesBackWhenTheTaskBarIsRecreated) {
    storeLaterRun();
    HWND main = start();
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(hiddenInTray(main));
    // A restarted Explorer starts with an empty notification area and then
    // announces its new task bar to every top-level window.
    HWND callback = trayCallbackWindow(main);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = callback;
    icon.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_FALSE(trayIconPresent(callback));
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(waitFor([&] { return trayIconPresent(callback); }));
    // Still hidden: only the icon was restored.
    EXPECT_FALSE(IsWindowVisible(main));
}

}  // namespace
}  // namespace corvallo::e2e
