// The smallest Win32 program with a window: the baseline that Corvallo's
// start-up time, memory and size are measured against.
//
// Built with CORVALLO_BASELINE_BUTTON and ButtonWindow.rc, whose manifest asks
// for the common controls version 6 as Corvallo.exe's does, the window holds
// one push button: measured beside the bare window, it shows what loading the
// common controls costs before a program draws anything of its own.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"Baseline";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"Baseline", L"Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 474, 488, nullptr, nullptr, instance, nullptr);
#ifdef CORVALLO_BASELINE_BUTTON
    HWND button = CreateWindowExW(0, L"BUTTON", L"One button", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                  16, 16, 120, 28, window, nullptr, instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
#endif
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
