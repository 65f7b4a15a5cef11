#pragma once

#include <functional>

#include "core/ports/NonCopyable.h"
#include "core/views/Routes.h"

namespace corvallo {

// The About window as a passive view.
class AboutView : NonCopyable {
  public:
    virtual ~AboutView() = default;

    // Creates the window from its layout and shows it modally; returns once it
    // has closed. Each click on a routed control (kAboutRoutes) calls
    // `perform` with its action; `perform` must outlive the call.
    virtual void showModal(const std::function<void(AboutAction)>& perform) = 0;

    // Destroys the window if it exists.
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
};

}  // namespace corvallo
