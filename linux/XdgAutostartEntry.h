#pragma once

#include <string>

#include "core/ports/StartupEntry.h"

namespace corvallo {

// Start-up entries as XDG desktop entries, <folder>/<name>.desktop, which
// desktops following the XDG Autostart rules start at log-in. The program's
// folder is <config home>/autostart; tests pass their own.
//
// The entry starts "<program folder>/<name>" with the arguments as one
// argument (none when they are empty), so that the started program's
// arguments, joined again, are exactly the text given here.
class XdgAutostartEntry final : public StartupEntry {
  public:
    explicit XdgAutostartEntry(std::string folder) : folder_(std::move(folder)) {}

    // True when a file (or anything else) of the entry's name exists; a
    // symbolic link counts when what it names exists.
    [[nodiscard]] bool present(const std::string& name) const override;

    // Creates the folder (0700) when missing and replaces the entry
    // atomically. A folder that cannot be made or used throws Stage::OpeningKey,
    // an entry that cannot be written Stage::SettingValue.
    void write(const std::string& name, const std::string& folder,
               const std::string& arguments) override;

    // Entries are removed by changing the folder, so a removal the folder
    // refuses (or a folder that is not one) throws Stage::OpeningKey. A
    // missing folder or entry is no error.
    void remove(const std::string& name) override;

    // The Exec value that starts `executable` with `arguments` as one
    // argument: each is double-quoted with ", `, $ and \ escaped by a
    // backslash, and the whole escaped again as a string value (\\, \n, \r,
    // \t), with % doubled, as the Desktop Entry rules ask.
    [[nodiscard]] static std::string execValue(const std::string& executable,
                                               const std::string& arguments);

  private:
    [[nodiscard]] std::string pathOf(const std::string& name) const;

    std::string folder_;
};

}  // namespace corvallo
