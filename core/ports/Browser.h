#pragma once

#include <string>

#include "core/ports/NonCopyable.h"

namespace corvallo {

class Browser : NonCopyable {
  public:
    virtual ~Browser() = default;

    // Hands the address to the user's default browser without waiting for it.
    // The outcome is not reported.
    virtual void open(const std::string& address) = 0;
};

}  // namespace corvallo
