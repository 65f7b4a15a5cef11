#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/SettingsKeys.h"
#include "core/ports/SettingsStore.h"

namespace corvallo {

// Settings as REG_SZ values of
//   HKEY_CURRENT_USER\<root>\<application name>\<section>
// where <root> and <section> are settings::kRegistryRoot and settings::kSection
// (core/model/SettingsKeys.h); installed copies already keep their values
// there, so the path never changes. Tests pass a throw-away root instead.
class RegistrySettingsStore final : public SettingsStore {
  public:
    explicit RegistrySettingsStore(std::string_view applicationName,
                                   std::string_view root = settings::kRegistryRoot);

    [[nodiscard]] std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, std::string_view value) override;

  private:
    std::wstring keyPath_;
};

}  // namespace corvallo
