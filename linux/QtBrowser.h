#pragma once

#include <string>

#include "core/ports/Browser.h"

namespace corvallo {

// Addresses opened by the desktop's handler for their scheme
// (QDesktopServices, which on Linux runs the desktop portal or xdg-open).
class QtBrowser final : public Browser {
  public:
    void open(const std::string& address) override;
};

}  // namespace corvallo
