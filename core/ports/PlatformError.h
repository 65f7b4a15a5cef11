#pragma once

#include <stdexcept>
#include <string>

namespace corvallo {

// A failure reported by the operating system: its status number and the
// platform's own description of it (which may be empty).
class PlatformError : public std::runtime_error {
  public:
    PlatformError(long status, std::string description)
        : std::runtime_error(std::to_string(status) + " " + description),
          status_(status),
          description_(std::move(description)) {}

    [[nodiscard]] long status() const noexcept { return status_; }
    [[nodiscard]] const std::string& description() const noexcept { return description_; }

  private:
    long status_;
    std::string description_;
};

}  // namespace corvallo
