#pragma once

#include <string>

#include "core/ports/NonCopyable.h"
#include "core/ports/PlatformError.h"

namespace corvallo {

// Why writing the start-up entry failed: the entries' folder (the Run key)
// could not be opened or created, or the value itself could not be written.
class StartupEntryError : public PlatformError {
  public:
    enum class Stage { OpeningKey, SettingValue };

    StartupEntryError(Stage stage, long status, std::string description)
        : PlatformError(status, std::move(description)), stage_(stage) {}

    [[nodiscard]] Stage stage() const noexcept { return stage_; }

  private:
    Stage stage_;
};

// The per-user entry that starts a program when the user logs on.
class StartupEntry : NonCopyable {
  public:
    virtual ~StartupEntry() = default;

    // True when an entry of that name exists, whatever its type or data; false
    // when it is absent or cannot be read.
    [[nodiscard]] virtual bool present(const std::string& name) const = 0;

    // Creates or replaces the entry so that it starts the program called
    // `name` in `folder` with `arguments`. How the executable's file is named
    // in that folder, and how the path is quoted, is the platform's business.
    // Throws StartupEntryError.
    virtual void write(const std::string& name, const std::string& folder,
                       const std::string& arguments) = 0;

    // Deletes the entry; an entry that is already absent is no error. Throws
    // StartupEntryError (Stage::OpeningKey) only when the folder of entries
    // cannot be opened.
    virtual void remove(const std::string& name) = 0;
};

}  // namespace corvallo
