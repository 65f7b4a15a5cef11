#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/SettingsKeys.h"
#include "core/ports/SettingsStore.h"
#include "linux/AtomicFile.h"
#include "linux/IniDocument.h"

namespace corvallo {

// Settings as "key=value" lines in the section [Settings] of an INI file
// (format in linux/IniDocument.h). A read looks at the file's stamp (one
// stat) and parses the file again only when the stamp has changed since the
// last parse, so the once-a-second reads of the display time cost no file
// read, while a change made by anyone, the user's editor included, is seen
// by the next read. Every write reads the file, changes the one key and
// replaces the whole file atomically (linux/AtomicFile.h), creating missing
// folders with mode 0700. Lines, sections and keys the store does not know
// stay as they are.
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
    // The file as last parsed, and its stamp then.
    struct Parsed {
        FileStamp stamp;
        IniDocument document;
    };

    std::string path_;
    mutable std::optional<Parsed> parsed_;
};

}  // namespace corvallo
