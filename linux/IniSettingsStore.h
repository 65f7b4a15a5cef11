#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/SettingsKeys.h"
#include "core/ports/SettingsStore.h"

namespace corvallo {

// Settings as "key=value" lines in the section [Settings] of an INI file
// (format in linux/IniDocument.h). Every read parses the file again; every
// write reads it, changes the one key and replaces the whole file atomically
// (linux/AtomicFile.h), creating missing folders with mode 0700. Lines,
// sections and keys the store does not know stay as they are.
class IniSettingsStore final : public SettingsStore {
  public:
    static constexpr std::string_view kSection = settings::kSection;

    // The store at <config home>/<application name>/<application name>.ini.
    [[nodiscard]] static IniSettingsStore forApplication(std::string_view applicationName);

    explicit IniSettingsStore(std::string path) : path_(std::move(path)) {}

    // Absent when the file, the section or the key is missing; throws
    // PlatformError when the file exists but cannot be read.
    [[nodiscard]] std::optional<std::string> read(std::string_view key) const override;
    // Throws PlatformError; the old file is then left as it was.
    void write(std::string_view key, std::string_view value) override;

    [[nodiscard]] const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace corvallo
