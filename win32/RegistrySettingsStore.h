#pragma once

#include <windows.h>

#include <map>
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
//
// Values read are kept while the registry reports no change to the key
// (RegNotifyChangeKeyValue): the display time is read once a second, and
// asking whether the key changed is one call where reading its three values
// is several each. Any change to the key, by anyone, drops every kept value,
// so the next read goes to the registry; so does every read while the key
// does not exist.
class RegistrySettingsStore final : public SettingsStore {
  public:
    explicit RegistrySettingsStore(std::string_view applicationName,
                                   std::string_view root = settings::kRegistryRoot);
    ~RegistrySettingsStore() override;

    [[nodiscard]] std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, std::string_view value) override;

  private:
    [[nodiscard]] std::optional<std::string> readFromRegistry(const std::wstring& name) const;
    // True while the kept values may be used; starts or renews the watch.
    [[nodiscard]] bool keptValuesHold() const;
    void stopWatching() const;

    std::wstring keyPath_;
    mutable HKEY watched_ = nullptr;
    mutable HANDLE changed_ = nullptr;
    mutable std::map<std::wstring, std::optional<std::string>> kept_;
};

}  // namespace corvallo
