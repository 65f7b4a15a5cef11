#include "Driver.h"

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>
#include <wincodec.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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

HWND focusedWindow(HWND window) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui)) {
        return nullptr;
    }
    return gui.hwndFocus;
}

bool bringToForeground(HWND window) {
    return waitFor(
        [&] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        std::chrono::milliseconds(3000));
}

void pressKeys(HWND window, std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(*key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // A message sent to the window returns once its thread has worked
    // through the input before it.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(100);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

AccessibleInfo accessibleOf(HWND control) {
    AccessibleInfo info;
    IAccessible* accessible = nullptr;
    // __uuidof rather than the IID_IAccessible of MinGW's import library,
    // whose data is not the interface's id when linked statically.
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return info;
    }
    info.found = true;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        info.name = name;
        SysFreeString(name);
    }
    VARIANT role{};
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) {
        info.role = role.lVal;
    }
    VARIANT state{};
    if (SUCCEEDED(accessible->get_accState(self, &state)) && state.vt == VT_I4) {
        info.state = state.lVal;
    }
    accessible->Release();
    return info;
}

COLORREF pixelAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, client.x, client.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

namespace {

// Writes top-down 24-bit BGR rows as a PNG file through WIC.
void writePng(const void* bits, int width, int height, UINT rowBytes, const std::wstring& path) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const bool written =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), rowBytes,
                                     rowBytes * static_cast<UINT>(height),
                                     static_cast<BYTE*>(const_cast<void*>(bits)))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    if (!written) {
        throw std::runtime_error("cannot write the screenshot");
    }
}

}  // namespace

void saveScreenshot(HWND window, const std::wstring& path) {
    // The part of the window that is on the screen.
    RECT rect{};
    GetWindowRect(window, &rect);
    const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rect, &rect, &screenRect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    // A PNG is written top-down, a BMP bottom-up.
    const bool png = path.ends_with(L".png");
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = png ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
    const DWORD imageBytes = rowBytes * height;
    if (png) {
        writePng(bits, width, height, rowBytes, path);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return;
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageBytes;
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageBytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace corvallo::e2e
