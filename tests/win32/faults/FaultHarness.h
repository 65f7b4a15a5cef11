#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Driver.h"

namespace corvallo::faults {

using e2e::programPath;

using namespace std::chrono_literals;

// A registry value of any type, read whole (the driver's reader takes only
// short REG_SZ values).
struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
    [[nodiscard]] std::wstring text() const;  // REG_SZ data up to its first NUL
    [[nodiscard]] bool isText(const std::wstring& expected) const {
        return type == REG_SZ && text() == expected;
    }
    // A short description for the outcome table: "absent", "REG_DWORD", the
    // text (shortened when long) or "64 KiB unchanged".
    [[nodiscard]] std::wstring describe() const;
};
[[nodiscard]] std::optional<StoredValue> readValue(const wchar_t* key, const std::wstring& name);
void writeValue(const wchar_t* key, const std::wstring& name, DWORD type, const void* data,
                DWORD size);
void writeText(const wchar_t* key, const std::wstring& name, const std::wstring& text);

// Dates as the program stores them: the user's short date format.
[[nodiscard]] std::wstring shortDate(int daysFromToday);
// The update reminder's key name and a value in its stored form: each
// character's ANSI code plus 85.
[[nodiscard]] std::wstring scrambled(const std::wstring& text);
[[nodiscard]] std::wstring durationKey();
// The Run value that "Run at start-up" writes.
[[nodiscard]] std::wstring expectedRunValue();

// A store as a later run finds it: display time 07:00:00, tip 16 on show,
// the next tip due tomorrow, the update reminder checked today.
void storeLaterRun();
// Removes the settings and the Run value, as every case starts from them.
void cleanSlate();

// The program started, watched and then asked to quit as a task manager
// would (WM_CLOSE), with what a case looks at along the way.
struct Observed {
    bool mainWindowAppeared = false;
    bool visible = false;
    bool trayIcon = false;
    std::optional<std::wstring> messageBox;  // text of a box that appeared
    bool aliveAfterStart = false;
    int hourSelection = -1;  // selected entry of the hour list
    bool ended = false;
    DWORD exitCode = 0;
};
// Starts the program, waits `settle` after its main window appears, looks,
// closes it and waits for its end.
[[nodiscard]] Observed runOnce(const std::wstring& arguments = L"",
                               std::chrono::milliseconds settle = 1500ms);

}  // namespace corvallo::faults
