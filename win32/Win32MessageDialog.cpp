#include "win32/Win32MessageDialog.h"

#include <windows.h>

#include <stdexcept>

#include "core/ports/PlatformError.h"
#include "win32/Utf16.h"

namespace corvallo {

unsigned int Win32MessageDialog::styleOf(MessageButtons buttons, MessageIcon icon) {
    UINT style = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
        case MessageIcon::Exclamation:
            style |= MB_ICONEXCLAMATION;
            break;
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::None:
            break;
    }
    return style;
}

MessageAnswer Win32MessageDialog::answerOf(int result) {
    switch (result) {
        case 0:
            throw PlatformError(static_cast<long>(GetLastError()), "MessageBoxW");
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            throw std::out_of_range("message box answer " + std::to_string(result));
    }
}

// The text is passed as it is: a "\r" in it is a line break in a message box.
MessageAnswer Win32MessageDialog::show(const Message& message) {
    const std::wstring text = win32::toUtf16(message.text);
    const std::wstring title = win32::toUtf16(message.title);
    return answerOf(MessageBoxW(static_cast<HWND>(owner_), text.c_str(), title.c_str(),
                                styleOf(message.buttons, message.icon)));
}

}  // namespace corvallo
