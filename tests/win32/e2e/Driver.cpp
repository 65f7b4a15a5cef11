#include "Driver.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "core/model/SettingsKeys.h"

namespace corvallo::e2e {

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

std::wstring programPath() {
    const char* path = std::getenv("CORVALLO_EXE");
    if (!path) {
        throw std::runtime_error("CORVALLO_EXE is not set");
    }
    std::wstring wide(path, path + strlen(path));
    for (auto& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
}

std::wstring windowText(HWND window) {
    // WM_GETTEXT rather than GetWindowText: the latter does not read the text
    // of another process's controls.
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND findControl(HWND parent, const wchar_t* windowClass, const std::wstring& text) {
    for (HWND child : descendants(parent)) {
        if (_wcsicmp(className(child).c_str(), windowClass) == 0 && windowText(child) == text) {
            return child;
        }
    }
    return nullptr;
}

RunningProgram::RunningProgram(const std::wstring& executable, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + executable + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
        throw std::runtime_error("cannot start the program: " + std::to_string(GetLastError()));
    }
}

RunningProgram::~RunningProgram() {
    if (!hasEnded()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool RunningProgram::hasEnded(std::chrono::milliseconds wait) const {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

DWORD RunningProgram::exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::vector<HWND> RunningProgram::topLevelWindows() const {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{info_.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> RunningProgram::topLevelWindows(const std::wstring& caption) const {
    std::vector<HWND> found;
    for (HWND window : topLevelWindows()) {
        if (windowText(window) == caption) {
            found.push_back(window);
        }
    }
    return found;
}

HWND RunningProgram::mainWindow(std::chrono::milliseconds timeout) const {
    HWND main = nullptr;
    waitFor(
        [&] {
            for (HWND window : topLevelWindows(L"Corvallo v1.10")) {
                if (GetMenu(window) != nullptr) {
                    main = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return main;
}

HWND RunningProgram::windowOfClass(const std::wstring& windowClass,
                                   std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    waitFor(
        [&] {
            for (HWND window : topLevelWindows()) {
                if (className(window) == windowClass && IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

HWND RunningProgram::messageBox(std::chrono::milliseconds timeout) const {
    HWND box = nullptr;
    waitFor(
        [&] {
            for (HWND window : topLevelWindows(L"Corvallo")) {
                if (className(window) == L"#32770" && IsWindowVisible(window)) {
                    box = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return box;
}

std::wstring messageBoxText(HWND box) {
    // The text is the dialog's static control with the id 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? windowText(text) : L"";
}

void answerMessageBox(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

void click(HWND control) {
    PostMessageW(control, BM_CLICK, 0, 0);
}

void pickListEntry(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int selectedListEntry(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

int listCount(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

MainLists findLists(HWND mainWindow) {
    MainLists lists;
    std::vector<std::pair<LONG, HWND>> sixties;
    for (HWND child : descendants(mainWindow)) {
        if (className(child) != L"ComboBox") {
            continue;
        }
        RECT rect{};
        GetWindowRect(child, &rect);
        switch (listCount(child)) {
            case 31:
                lists.day = child;
                break;
            case 12:
                lists.month = child;
                break;
            case 150:
                lists.year = child;
                break;
            case 24:
                lists.hour = child;
                break;
            case 60:
                sixties.emplace_back(rect.left, child);
                break;
            default:
                break;
        }
    }
    if (sixties.size() == 2) {
        if (sixties[0].first > sixties[1].first) {
            std::swap(sixties[0], sixties[1]);
        }
        lists.minute = sixties[0].second;
        lists.second = sixties[1].second;
    }
    return lists;
}

void chooseMenuItem(HWND window, int commandId) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

HWND trayCallbackWindow(HWND mainWindow) {
    // Measured against the "&Exit" button rather than the client area, which
    // has no size while the window is minimised.
    HWND exitButton = findControl(mainWindow, L"Button", L"&Exit");
    if (!exitButton) {
        return nullptr;
    }
    RECT exitRect{};
    GetWindowRect(exitButton, &exitRect);
    for (HWND child : descendants(mainWindow)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        if (GetParent(child) == mainWindow && className(child) == L"Static" &&
            rect.top >= exitRect.bottom) {
            return child;
        }
    }
    return nullptr;
}

bool chooseFromTrayMenu(const RunningProgram& program, HWND callbackWindow, int position) {
    constexpr UINT kTrayCallback = 513;
    PostMessageW(callbackWindow, kTrayCallback, 0, WM_RBUTTONUP);
    // A popup menu is a window of the class "#32768". The menu loop reads the
    // keys from the program's queue: down arrows walk to the item, Enter
    // chooses it.
    HWND popup = program.windowOfClass(L"#32768", std::chrono::milliseconds(5000));
    if (!popup) {
        return false;
    }
    for (int i = 0; i <= position; ++i) {
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

bool trayIconPresent(HWND callbackWindow) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = callbackWindow;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    wcscpy_s(data.szTip, L"Recent");
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

namespace {

// The keys are plain ASCII.
std::wstring widen(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// Where the program keeps its settings: the store's root, the program's
// name, the section (core/model/SettingsKeys.h).
const std::wstring kApplicationPath = widen(settings::kRegistryRoot) + L"\\Corvallo";
const std::wstring kSettingsPath = kApplicationPath + L"\\" + widen(settings::kSection);

}  // namespace

const wchar_t* const Registry::kApplicationKey = kApplicationPath.c_str();
const wchar_t* const Registry::kSettingsKey = kSettingsPath.c_str();
const wchar_t* const Registry::kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> Registry::read(const wchar_t* key, const std::wstring& name) {
    wchar_t data[4096] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

void Registry::write(const wchar_t* key, const std::wstring& name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void Registry::clearSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kApplicationKey);
}

void Registry::removeRunValue() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Corvallo");
}

HWND layoutControl(HWND window, const layout::Window& layout, std::string_view name) {
    constexpr int kFirstControlId = 1000;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (layout.controls[i].name != name) {
            continue;
        }
        for (HWND child : descendants(window)) {
            if (GetDlgCtrlID(child) == kFirstControlId + static_cast<int>(i)) {
                return child;
            }
        }
    }
    return nullptr;
}

std::string layoutName(HWND window, const layout::Window& layout, HWND control) {
    for (const layout::Control& entry : layout.controls) {
        if (control != nullptr && layoutControl(window, layout, entry.name) == control) {
            return std::string(entry.name);
        }
    }
    return {};
}

}  // namespace corvallo::e2e
