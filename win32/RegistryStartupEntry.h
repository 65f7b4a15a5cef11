#pragma once

#include <string>
#include <string_view>

#include "core/ports/StartupEntry.h"

namespace corvallo {

// Start-up entries as values of HKEY_CURRENT_USER\<run key>, by default the
// per-user Run key that Windows reads at logon. Tests pass a throw-away key.
// The data is "<folder>\<name>.exe" followed by the arguments: the extension
// is always .exe, whatever the file is called on disk.
class RegistryStartupEntry final : public StartupEntry {
  public:
    static constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    explicit RegistryStartupEntry(std::string_view runKey = kRunKey);

    [[nodiscard]] bool present(const std::string& name) const override;
    void write(const std::string& name, const std::string& folder,
               const std::string& arguments) override;
    void remove(const std::string& name) override;

  private:
    std::wstring runKey_;
};

}  // namespace corvallo
