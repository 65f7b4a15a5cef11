#pragma once

#include <windows.h>
// After <windows.h>, whose types it uses.
#include <shellapi.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "KeysAndScreen.h"
#include "core/views/MainLayout.h"

namespace corvallo::e2e {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` passes; returns whether it held.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

// The program under test, from the environment variable CORVALLO_EXE (a
// path as Wine shows Unix files, "Z:/..."), with Windows separators.
[[nodiscard]] std::wstring programPath();

[[nodiscard]] std::wstring windowText(HWND window);
[[nodiscard]] std::wstring className(HWND window);

// The child windows of `parent`, at every depth, in creation order.
[[nodiscard]] std::vector<HWND> descendants(HWND parent);
// The first descendant of that class whose text is `text`; nullptr when none.
[[nodiscard]] HWND findControl(HWND parent, const wchar_t* windowClass, const std::wstring& text);

// One copy of the program, started and watched as a user would: through its
// windows, never through its code.
class RunningProgram {
  public:
    // Starts the executable with these arguments.
    RunningProgram(const std::wstring& executable, const std::wstring& arguments = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    [[nodiscard]] DWORD processId() const { return info_.dwProcessId; }
    [[nodiscard]] bool hasEnded(
        std::chrono::milliseconds wait = std::chrono::milliseconds(0)) const;
    [[nodiscard]] DWORD exitCode() const;

    // The top-level windows of this process (visible or not).
    [[nodiscard]] std::vector<HWND> topLevelWindows() const;
    // Those with this caption.
    [[nodiscard]] std::vector<HWND> topLevelWindows(const std::wstring& caption) const;
    // The main window: the top-level window "Corvallo v1.10" that has a menu bar.
    [[nodiscard]] HWND mainWindow(
        std::chrono::milliseconds timeout = std::chrono::milliseconds(15000)) const;
    // A visible top-level window of this process of the given class.
    [[nodiscard]] HWND windowOfClass(const std::wstring& windowClass,
                                     std::chrono::milliseconds timeout) const;
    // A message box of this process: a dialog titled "Corvallo".
    [[nodiscard]] HWND messageBox(
        std::chrono::milliseconds timeout = std::chrono::milliseconds(10000)) const;

  private:
    PROCESS_INFORMATION info_{};
};

// A message box's text, and a click on one of its buttons (IDOK, IDYES, ...).
[[nodiscard]] std::wstring messageBoxText(HWND box);
void answerMessageBox(HWND box, int button);

// Clicks a button as a user would (the click is posted, so a modal box that
// it opens does not block the caller).
void click(HWND control);
// Picks a list entry with the notification a user's pick sends.
void pickListEntry(HWND combo, int index);
[[nodiscard]] int selectedListEntry(HWND combo);
[[nodiscard]] int listCount(HWND combo);
// The combo boxes of the main window, told apart by their number of entries
// and their order from left to right.
struct MainLists {
    HWND day = nullptr, month = nullptr, year = nullptr;
    HWND hour = nullptr, minute = nullptr, second = nullptr;
};
[[nodiscard]] MainLists findLists(HWND mainWindow);
// Sends the command that choosing a menu item sends. (Wine keeps a menu's
// items in the process that made it, so another process cannot read them.)
void chooseMenuItem(HWND window, int commandId);
// The window that receives the notification icon's messages: the picture box
// that lies below everything the user sees of the main window.
[[nodiscard]] HWND trayCallbackWindow(HWND mainWindow);
// Right-clicks the notification icon and chooses the popup menu's item at
// this position (from 0) with the keyboard; false when no menu opened.
bool chooseFromTrayMenu(const RunningProgram& program, HWND callbackWindow, int position);
// True when the program's notification icon exists (the shell accepts a
// change to it only then).
[[nodiscard]] bool trayIconPresent(HWND callbackWindow);

// The settings and the Run value in the registry of the current user.
struct Registry {
    // The program's key, and its settings section below it.
    static const wchar_t* const kApplicationKey;
    static const wchar_t* const kSettingsKey;
    static const wchar_t* const kRunKey;
    static std::optional<std::wstring> read(const wchar_t* key, const std::wstring& name);
    static void write(const wchar_t* key, const std::wstring& name, const std::wstring& value);
    static void clearSettings();
    static void removeRunValue();
};

// The control made from the layout entry of that name: its id is the first
// control id (1000) plus the entry's index in the layout. Null when absent.
[[nodiscard]] HWND layoutControl(HWND window, const layout::Window& layout, std::string_view name);
// The layout name of a control of `window`; empty when it is none of the layout's.
[[nodiscard]] std::string layoutName(HWND window, const layout::Window& layout, HWND control);

}  // namespace corvallo::e2e
