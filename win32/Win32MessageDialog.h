#pragma once

#include <string>

#include "core/ports/MessageDialog.h"

namespace corvallo {

// Message boxes owned by a window of the program (or by none).
class Win32MessageDialog final : public MessageDialog {
  public:
    // `owner` is an HWND, or null; kept as void* so that this header needs
    // no Windows header.
    explicit Win32MessageDialog(void* owner = nullptr) : owner_(owner) {}

    // The owner may change, e.g. once the main window exists.
    void setOwner(void* owner) { owner_ = owner; }

    // Throws PlatformError when the box cannot be shown.
    MessageAnswer show(const Message& message) override;

    // The one translation between the port's values and MessageBox's: the
    // style flags (MB_*) for the buttons and icon, and the answer for what
    // MessageBox returned, the button that closed the box (ID*). MessageBox's
    // failure, 0, throws PlatformError with the thread's last error; any other
    // value that is no button of the port's boxes throws std::out_of_range.
    [[nodiscard]] static unsigned int styleOf(MessageButtons buttons, MessageIcon icon);
    [[nodiscard]] static MessageAnswer answerOf(int result);

  private:
    void* owner_;
};

}  // namespace corvallo
