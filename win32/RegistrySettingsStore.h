#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports/SettingsStore.h"

namespace corvallo {

// Settings as REG_SZ values of
//   HKEY_CURRENT_USER\<root>\<application name>\Settings
// where <root> is "Software\VB and VBA Program Settings": the place the
// classic per-application settings service uses, so that values written by
// earlier releases of the program are found again. Tests pass a throw-away
// root instead.
class RegistrySettingsStore final : public SettingsStore {
  public:
    static constexpr std::string_view kClassicRoot = "Software\\VB and VBA Program Settings";

    explicit RegistrySettingsStore(std::string_view applicationName,
                                   std::string_view root = kClassicRoot);

    [[nodiscard]] std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, std::string_view value) override;

  private:
    std::wstring keyPath_;
};

}  // namespace corvallo
