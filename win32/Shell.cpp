#include "win32/Shell.h"

#include "win32/Apartment.h"
#include "win32/SystemLibrary.h"

namespace corvallo::win32::shell {
namespace {

const SystemLibrary& library() {
    static const SystemLibrary loaded(L"shell32.dll");
    return loaded;
}

template <class Function>
Function* function(const char* name) {
    return library().function<Function>(name);
}

}  // namespace

// ShellExecute may hand the address to a handler that is a COM object.
HINSTANCE execute(HWND window, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                  const wchar_t* folder, int show) {
    joinApartment();
    static auto* const shellExecute = function<decltype(ShellExecuteW)>("ShellExecuteW");
    if (shellExecute == nullptr) {
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    }
    return shellExecute(window, verb, file, parameters, folder, show);
}

BOOL notifyIcon(DWORD message, NOTIFYICONDATAW* data) {
    static auto* const notify = function<decltype(Shell_NotifyIconW)>("Shell_NotifyIconW");
    if (notify == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    return notify(message, data);
}

}  // namespace corvallo::win32::shell
