#pragma once

#include "core/ports/NonCopyable.h"

namespace corvallo {

// The hidden window that keeps the program's icons.
class IconStoreView : NonCopyable {
  public:
    virtual ~IconStoreView() = default;

    // Creates the hidden window with its icon list; runs its load handling.
    virtual void load() = 0;
    // Makes the window's white pixels transparent (layered window, colour key).
    virtual void makeTransparent() = 0;
    // Destroys the window.
    virtual void close() = 0;
};

}  // namespace corvallo
