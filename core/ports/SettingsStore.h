#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// The per-user, per-application store of text values. The application name
// and the section are fixed when the store is made; callers pass only the key.
// Every call goes to the platform at once: nothing is cached, so a value
// written anywhere is seen by the next read.
class SettingsStore : NonCopyable {
  public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the key does not exist (a value the
    // store cannot read as text counts as absent). Never creates a key.
    // Throws when the store itself cannot be read.
    [[nodiscard]] virtual std::optional<std::string> read(std::string_view key) const = 0;

    // Creates whatever is needed and replaces any earlier value. Throws on failure.
    virtual void write(std::string_view key, std::string_view value) = 0;
};

}  // namespace corvallo
