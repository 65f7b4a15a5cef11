// The Linux settings file's format with arbitrary file text, keys and values:
// reading never fails, an unchanged file is written back byte for byte, a
// value written reads back exactly, and writing one key changes no other.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/model/SettingsKeys.h"
#include "linux/IniDocument.h"

namespace {

using corvallo::IniDocument;
using corvallo::fuzz::require;

using corvallo::settings::kSection;
constexpr std::string_view kOtherKeys[] = {"Hour", "Date", "Card", "SystemTray"};

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Input: a byte with the key's length, a byte with the value's length, the
// key, the value, then the file's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = corvallo::fuzz::bytesAsText(data, size);
    if (input.size() < 2) {
        return 0;
    }
    const std::size_t keyLength =
        std::min<std::size_t>(static_cast<unsigned char>(input[0]) % 24, input.size() - 2);
    const std::size_t valueLength =
        std::min<std::size_t>(static_cast<unsigned char>(input[1]), input.size() - 2 - keyLength);
    const std::string key(input.substr(2, keyLength));
    const std::string value(input.substr(2 + keyLength, valueLength));
    const std::string_view file = input.substr(2 + keyLength + valueLength);

    IniDocument document(file);
    require(document.text() == file, "an unchanged file is written back as it was");
    if (key.empty()) {
        return 0;
    }
    std::optional<std::string> before[std::size(kOtherKeys)];
    for (std::size_t i = 0; i < std::size(kOtherKeys); ++i) {
        before[i] = document.value(kSection, kOtherKeys[i]);
    }

    document.setValue(kSection, key, value);
    const IniDocument reread(document.text());
    require(reread.value(kSection, key) == value, "a written value reads back exactly");
    for (std::size_t i = 0; i < std::size(kOtherKeys); ++i) {
        if (!sameIgnoringAsciiCase(kOtherKeys[i], key)) {
            require(reread.value(kSection, kOtherKeys[i]) == before[i],
                    "writing one key leaves the others as they were");
        }
    }
    return 0;
}
