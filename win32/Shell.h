#pragma once

#include <windows.h>

#include <shellapi.h>

namespace corvallo::win32::shell {

// The two shell functions the program uses, from shell32.dll loaded on their
// first use rather than at the start: the shell library and the libraries it
// brings with it are only needed once the program opens a web page or puts
// its icon in the notification area, which a start showing the window does
// neither. When the library cannot be loaded they fail as the functions
// themselves would.

// ShellExecuteW; the result is a fake HINSTANCE, above 32 on success.
HINSTANCE execute(HWND window, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                  const wchar_t* folder, int show);

// Shell_NotifyIconW.
BOOL notifyIcon(DWORD message, NOTIFYICONDATAW* data);

}  // namespace corvallo::win32::shell
