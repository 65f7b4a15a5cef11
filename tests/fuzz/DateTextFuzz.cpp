// Arbitrary text read as a date through the fixed fake locales of the tests,
// and through the update reminder's reading of its stored check date. The
// first byte picks the locale. A date that comes back is a valid one, and its
// stored form reads back to the same date.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "core/fakes/FakePorts.h"
#include "core/model/Latin1CodePage.h"
#include "core/model/Scramble.h"
#include "core/model/UpdateReminder.h"

namespace {

using corvallo::fuzz::require;
using namespace std::chrono;
using Locale = corvallo::fakes::FakeDateText::Locale;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    corvallo::fakes::FakeDateText dateText;
    dateText.locale = static_cast<Locale>(data[0] % 3);
    const corvallo::Latin1CodePage codePage;
    const std::string_view text = corvallo::fuzz::bytesAsText(data + 1, size - 1);

    if (const auto date = dateText.parse(text)) {
        require(date->ok(), "a parsed date is valid");
        require(dateText.parse(dateText.format(*date)) == date,
                "a parsed date formats to a text that parses to the same date");
    }

    if (const auto date = corvallo::parseReminderDate(text, dateText)) {
        require(date->ok(), "a reminder date read back is valid");
        // The check date goes through the store scrambled, as the reminder keeps it.
        const std::string stored =
            corvallo::scramble(corvallo::reminderDateText(*date, dateText, codePage), codePage);
        const std::string readBack = corvallo::unscramble(stored, codePage);
        require(corvallo::parseReminderDate(readBack, dateText) == date,
                "a reminder date stored scrambled reads back to the same date");
    }
    return 0;
}
