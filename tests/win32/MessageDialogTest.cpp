#include "win32/Win32MessageDialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/ports/PlatformError.h"
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
        Message message;
        int press;
        MessageAnswer answer;
        std::vector<int> buttons;
    };
    const std::vector<Case> cases = {
        {{"Zürich\r東京", MessageButtons::YesNo, MessageIcon::None, "Corvallo"},
         IDNO,
         MessageAnswer::No,
         {IDYES, IDNO}},
        {{"Tip of the day saved.", MessageButtons::Ok, MessageIcon::Information, "Корвалло"},
         IDOK,
         MessageAnswer::Ok,
         {IDOK}},
        {{"Start with Windows?", MessageButtons::YesNo, MessageIcon::Exclamation, "Corvallo"},
         IDYES,
         MessageAnswer::Yes,
         {IDYES, IDNO}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.text);
        Win32MessageDialog dialog;
        Seen seen;
        std::thread user(pressWhenShown, GetCurrentThreadId(), c.press, std::ref(seen));
        const MessageAnswer answer = dialog.show(c.message);
        user.join();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.title, win32::toUtf16(c.message.title));
        EXPECT_EQ(seen.text, win32::toUtf16(c.message.text));
        EXPECT_EQ(seen.owner, nullptr);
        EXPECT_EQ(seen.buttons, c.buttons);
    }
}

// The flags are the ones the program has always passed: OK alone, Yes/No with
// the exclamation mark, OK with the information sign, Yes/No with it.
TEST(Win32MessageDialogTest, StylesAreMessageBoxFlags) {
    EXPECT_EQ(Win32MessageDialog::styleOf(MessageButtons::Ok, MessageIcon::None), 0u);
    EXPECT_EQ(Win32MessageDialog::styleOf(MessageButtons::YesNo, MessageIcon::None), 4u);
    EXPECT_EQ(Win32MessageDialog::styleOf(MessageButtons::YesNo, MessageIcon::Exclamation),
              4u + 48u);
    EXPECT_EQ(Win32MessageDialog::styleOf(MessageButtons::Ok, MessageIcon::Information), 64u);
    EXPECT_EQ(Win32MessageDialog::styleOf(MessageButtons::YesNo, MessageIcon::Information),
              4u + 64u);
    EXPECT_EQ(Win32MessageDialog::styleOf(MessageButtons::Ok, MessageIcon::Exclamation),
              static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
}

TEST(Win32MessageDialogTest, AnswersAreTheButtonsPressed) {
    EXPECT_EQ(Win32MessageDialog::answerOf(IDOK), MessageAnswer::Ok);
    EXPECT_EQ(Win32MessageDialog::answerOf(IDYES), MessageAnswer::Yes);
    EXPECT_EQ(Win32MessageDialog::answerOf(IDNO), MessageAnswer::No);
    EXPECT_THROW((void)Win32MessageDialog::answerOf(IDCANCEL), std::out_of_range);
}

// MessageBoxW returns 0 when it cannot show the box, with the reason as the
// thread's last error. (Wine shows a box even where Windows refuses one, e.g.
// for an owner that is no window, so the failure is given here directly.)
TEST(Win32MessageDialogTest, FailureToShowTheBoxThrows) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    try {
        (void)Win32MessageDialog::answerOf(0);
        FAIL() << "no exception";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.status(), ERROR_INVALID_WINDOW_HANDLE);
    }
}

TEST(Win32MessageDialogTest, BoxBelongsToTheOwnerWindow) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    Win32MessageDialog dialog(owner);
    Seen seen;
    std::thread user(pressWhenShown, GetCurrentThreadId(), IDOK, std::ref(seen));
    EXPECT_EQ(dialog.show({"text", MessageButtons::Ok, MessageIcon::None, "title"}),
              MessageAnswer::Ok);
    user.join();
    DestroyWindow(owner);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, owner);
}

}  // namespace
}  // namespace corvallo
