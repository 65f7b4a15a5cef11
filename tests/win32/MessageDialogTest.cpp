#include "win32/Win32MessageDialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "win32/Utf16.h"

namespace corvallo {
namespace {

// What a helper thread saw of the message box before pressing its button.
struct Seen {
    bool found = false;
    std::wstring title;
    std::wstring text;
    HWND owner = nullptr;
    std::vector<int> buttons;
};

HWND findDialogOf(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Waits for the message box of the thread, notes what it shows and presses
// the button, as a user would.
void pressWhenShown(DWORD threadId, int button, Seen& seen) {
    for (int attempt = 0; attempt < 200 && !seen.found; ++attempt) {
        Sleep(50);
        const HWND dialog = findDialogOf(threadId);
        if (dialog == nullptr) {
            continue;
        }
        seen.found = true;
        seen.title = windowText(dialog);
        // 0xFFFF is the message text's control in a message box.
        seen.text = windowText(GetDlgItem(dialog, 0xFFFF));
        seen.owner = GetWindow(dialog, GW_OWNER);
        for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
            if (GetDlgItem(dialog, id) != nullptr) {
                seen.buttons.push_back(id);
            }
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }
}

TEST(Win32MessageDialogTest, ShowsTextAndButtonsAndReturnsTheButtonPressed) {
    struct Case {
        std::string text;
        int style;
        std::string title;
        int press;
        std::vector<int> buttons;
    };
    const std::vector<Case> cases = {
        {"Zürich\r東京", mb::kYesNo, "Corvallo", mb::kIdNo, {IDYES, IDNO}},
        {"Tip of the day saved.", mb::kOkOnly | mb::kInformation, "Корвалло", mb::kIdOk, {IDOK}},
        {"Start with Windows?",
         mb::kYesNo | mb::kExclamation,
         "Corvallo",
         mb::kIdYes,
         {IDYES, IDNO}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Win32MessageDialog dialog;
        Seen seen;
        std::thread user(pressWhenShown, GetCurrentThreadId(), c.press, std::ref(seen));
        const int answer = dialog.show(c.text, c.style, c.title);
        user.join();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(answer, c.press);
        EXPECT_EQ(seen.title, win32::toUtf16(c.title));
        EXPECT_EQ(seen.text, win32::toUtf16(c.text));
        EXPECT_EQ(seen.owner, nullptr);
        EXPECT_EQ(seen.buttons, c.buttons);
    }
}

TEST(Win32MessageDialogTest, BoxBelongsToTheOwnerWindow) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    Win32MessageDialog dialog(owner);
    Seen seen;
    std::thread user(pressWhenShown, GetCurrentThreadId(), IDOK, std::ref(seen));
    EXPECT_EQ(dialog.show("text", mb::kOkOnly, "title"), mb::kIdOk);
    user.join();
    DestroyWindow(owner);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, owner);
}

}  // namespace
}  // namespace corvallo
