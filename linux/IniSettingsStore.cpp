#include "linux/IniSettingsStore.h"

#include "linux/AtomicFile.h"
#include "linux/IniDocument.h"
#include "linux/XdgPaths.h"

namespace corvallo {

IniSettingsStore IniSettingsStore::forApplication(std::string_view applicationName) {
    const std::string name(applicationName);
    return IniSettingsStore(xdg::configHome() + "/" + name + "/" + name + ".ini");
}

std::optional<std::string> IniSettingsStore::read(std::string_view key) const {
    const auto text = readFileIfPresent(path_);
    if (!text) {
        return std::nullopt;
    }
    return IniDocument(*text).value(kSection, key);
}

void IniSettingsStore::write(std::string_view key, std::string_view value) {
    // Read before anything is created: a file that exists but cannot be read
    // must not be replaced by one holding only this value.
    const auto text = readFileIfPresent(path_);
    IniDocument document(text.value_or(std::string()));
    document.setValue(kSection, key, value);
    const std::size_t slash = path_.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        makeFolders(path_.substr(0, slash));
    }
    replaceFileAtomically(path_, document.text());
}

}  // namespace corvallo
