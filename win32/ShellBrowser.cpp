#include "win32/ShellBrowser.h"

#include <windows.h>

#include "win32/Shell.h"
#include "win32/Utf16.h"

namespace corvallo {

void ShellBrowser::open(const std::string& address) {
    const std::wstring url = win32::toUtf16(address);
    // The "open" verb hands the address to the registered handler of its
    // scheme and returns without waiting for it. The working folder is the
    // root of C: so that the browser does not keep the program's own folder
    // in use. The result (a fake HINSTANCE, > 32 on success) is not reported.
    win32::shell::execute(nullptr, L"open", url.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

}  // namespace corvallo
