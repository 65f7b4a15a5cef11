#include "linux/IniSettingsStore.h"

#include "linux/XdgPaths.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace corvallo {

IniSettingsStore IniSettingsStore::forApplication(std::string_view applicationName) {
    const std::string name(applicationName);
    return IniSettingsStore(xdg::configHome() + "/" + name + "/" + name + ".ini");
}

namespace {

// The kernel stamps files from a clock that moves in steps of a few
// milliseconds, so a file written twice within one step, to the same size and
// in place, keeps its stamp. Only a file left alone for longer than any such
// step may be trusted to show a later change in its stamp; one written just
// now is parsed on every read until then.
bool isSettled(const FileStamp& stamp) {
    constexpr long long kSettledNs = 1'000'000'000;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long nowNs = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
    return std::max(stamp.modifiedNs, stamp.changedNs) < nowNs - kSettledNs;
}

}  // namespace

// The stamp is taken before the file is read: if the file is replaced in
// between, the next read sees a stamp that differs from the one kept and
// parses the file again.
std::optional<std::string> IniSettingsStore::read(std::string_view key) const {
    const auto stamp = fileStampIfPresent(path_);
    if (!stamp) {
        parsed_.reset();
        return std::nullopt;
    }
    if (!parsed_ || parsed_->stamp != *stamp) {
        parsed_.reset();
        const auto text = readFileIfPresent(path_);
        if (!text) {
            return std::nullopt;
        }
        Parsed parsed{*stamp, IniDocument(*text)};
        if (!isSettled(*stamp)) {
            return parsed.document.value(kSection, key);
        }
        parsed_.emplace(std::move(parsed));
    }
    return parsed_->document.value(kSection, key);
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
    parsed_.reset();
    replaceFileAtomically(path_, document.text());
}

}  // namespace corvallo
