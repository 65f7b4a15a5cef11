#pragma once

#include "platform/NonCopyable.h"

namespace corvallo {

class FrmAbout;

// The About window as a passive view.
class AboutView : NonCopyable {
  public:
    virtual ~AboutView() = default;

    // Creates the window from its layout and shows it modally; returns once it
    // has closed. The window's controls call the handlers of `form`, which
    // must outlive the call.
    virtual void showModal(FrmAbout& form) = 0;

    // Destroys the window if it exists.
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
};

}  // namespace corvallo
