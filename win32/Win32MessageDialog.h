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

    int show(const std::string& text, int style, const std::string& title) override;

  private:
    void* owner_;
};

}  // namespace corvallo
