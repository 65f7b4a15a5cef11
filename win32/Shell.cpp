#include "win32/Shell.h"

#include "win32/Apartment.h"

namespace corvallo::win32::shell {
namespace {

// Loaded once and kept until the process ends, as an import would be.
HMODULE library() {
    static const HMODULE loaded =
        LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return loaded;
}

template <class Function>
Function* function(const char* name) {
    HMODULE module = library();
    if (module == nullptr) {
        return nullptr;
    }
    // GetProcAddress returns a generic function pointer; the cast through
    // void* keeps compilers from warning about the cast between function types.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
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
