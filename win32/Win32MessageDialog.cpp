#include "win32/Win32MessageDialog.h"

#include <windows.h>

#include "win32/Utf16.h"

namespace corvallo {

int Win32MessageDialog::show(const std::string& text, int style, const std::string& title) {
    // The style numbers of the MessageDialog port are MessageBox's own (MB_*),
    // and so are the answers (ID*). The text is passed as it is: a "\r" in it
    // is a line break in a message box.
    const std::wstring wideText = win32::toUtf16(text);
    const std::wstring wideTitle = win32::toUtf16(title);
    return MessageBoxW(static_cast<HWND>(owner_), wideText.c_str(), wideTitle.c_str(),
                       static_cast<UINT>(style));
}

}  // namespace corvallo
