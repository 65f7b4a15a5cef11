// The smallest Win32 program with a window that holds a standard control in
// the look of the common controls version 6 (declared in its manifest, as
// Corvallo.exe does): a window with one push button. Measured beside the bare
// window (Baseline.cpp), it shows what loading the common controls costs
// before a program draws anything of its own.
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
    windowClass.lpszClassName = L"ButtonWindow";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"ButtonWindow", L"Button window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 474, 488, nullptr, nullptr, instance, nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"One button", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                  16, 16, 120, 28, window, nullptr, instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
