#pragma once

#include <string>

#include "core/ports/Browser.h"

namespace corvallo {

// Opens addresses with the program the user's shell associates with them.
class ShellBrowser final : public Browser {
  public:
    void open(const std::string& address) override;
};

}  // namespace corvallo
