#include "FaultHarness.h"

#include <cstdlib>
#include <stdexcept>

namespace corvallo::faults {

using e2e::Registry;

std::wstring StoredValue::text() const {
    std::wstring result(reinterpret_cast<const wchar_t*>(bytes.data()),
                        bytes.size() / sizeof(wchar_t));
    return result.substr(0, result.find(L'\0'));
}

std::wstring StoredValue::describe() const {
    switch (type) {
        case REG_SZ: {
            const std::wstring t = text();
            if (t.size() > 24) {
                return L"\"" + t.substr(0, 12) + L"…\" (" + std::to_wstring(t.size()) +
                       L" characters)";
            }
            return L"\"" + t + L"\"";
        }
        case REG_DWORD:
            return L"REG_DWORD";
        case REG_BINARY:
            return L"REG_BINARY";
        default:
            return L"type " + std::to_wstring(type);
    }
}

std::optional<StoredValue> readValue(const wchar_t* key, const std::wstring& name) {
    StoredValue value;
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.resize(size);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     value.bytes.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.resize(size);
    return value;
}

void writeValue(const wchar_t* key, const std::wstring& name, DWORD type, const void* data,
                DWORD size) {
    const LSTATUS status = RegSetKeyValueW(HKEY_CURRENT_USER, key, name.c_str(), type, data, size);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write a test value: " + std::to_string(status));
    }
}

void writeText(const wchar_t* key, const std::wstring& name, const std::wstring& text) {
    writeValue(key, name, REG_SZ, text.c_str(),
               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::wstring shortDate(int daysFromToday) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    FILETIME file{};
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = file.dwLowDateTime;
    ticks.HighPart = file.dwHighDateTime;
    // FILETIME counts 100 ns steps.
    ticks.QuadPart += static_cast<LONGLONG>(daysFromToday) * 24LL * 3600LL * 10000000LL;
    file.dwLowDateTime = ticks.LowPart;
    file.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME day{};
    FileTimeToSystemTime(&file, &day);
    wchar_t text[80] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, text, 80);
    return text;
}

std::wstring scrambled(const std::wstring& text) {
    std::string ansi(text.size() * 2 + 1, '\0');
    ansi.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(),
                            static_cast<int>(ansi.size()), nullptr, nullptr)));
    std::string shifted;
    for (const char c : ansi) {
        const int code = static_cast<unsigned char>(c) + 85;
        if (code <= 255) {
            shifted.push_back(static_cast<char>(code));
        }
    }
    std::wstring wide(shifted.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, shifted.data(), static_cast<int>(shifted.size()),
                            wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::wstring durationKey() {
    return scrambled(L"Duration");
}

std::wstring expectedRunValue() {
    return L"\"" + programPath() + L"\" /STARTUP";
}

void storeLaterRun() {
    writeText(Registry::kSettingsKey, L"Hour", L"7");
    writeText(Registry::kSettingsKey, L"Minute", L"0");
    writeText(Registry::kSettingsKey, L"Second", L"0");
    writeText(Registry::kSettingsKey, L"Card", L"16");
    writeText(Registry::kSettingsKey, L"Date", shortDate(1));
    writeText(Registry::kSettingsKey, durationKey(), scrambled(shortDate(0)));
}

void cleanSlate() {
    Registry::clearSettings();
    Registry::removeRunValue();
}

Observed runOnce(const std::wstring& arguments, std::chrono::milliseconds settle) {
    Observed seen;
    e2e::RunningProgram program(programPath(), arguments);
    HWND main = program.mainWindow();
    seen.mainWindowAppeared = main != nullptr;
    if (HWND box = program.messageBox(settle)) {
        seen.messageBox = e2e::messageBoxText(box);
        e2e::answerMessageBox(box, IDNO);
        e2e::answerMessageBox(box, IDOK);
    }
    seen.aliveAfterStart = !program.hasEnded();
    if (main) {
        seen.visible = IsWindowVisible(main) != FALSE;
        seen.trayIcon = e2e::trayIconPresent(e2e::trayCallbackWindow(main));
        const e2e::MainLists lists = e2e::findLists(main);
        if (lists.hour) {
            seen.hourSelection = e2e::selectedListEntry(lists.hour);
        }
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
    seen.ended = program.hasEnded(10000ms);
    seen.exitCode = program.exitCode();
    return seen;
}

}  // namespace corvallo::faults
