#include "core/model/UpdateReminder.h"

#include <charconv>
#include <cstdio>

#include "core/model/ProgramName.h"
#include "core/model/Scramble.h"
#include "core/model/Settings.h"
#include "core/model/SettingsKeys.h"
#include "core/model/WebPages.h"

namespace corvallo {
namespace {

using namespace std::chrono;

constexpr const char* kQuestion =
    "There maybe an update to this software available\r"
    "Do you want to check for an update?";

std::string isoDate(year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// Reads what isoDate writes: the month and day are two digits each, the year
// at least four, more (or a minus sign) for years past 9999 or before 1000.
std::optional<year_month_day> parseIsoDate(std::string_view text) {
    const std::size_t size = text.size();
    if (size < 10 || text[size - 6] != '-' || text[size - 3] != '-') {
        return std::nullopt;
    }
    int parts[3] = {};
    const std::string_view fields[3] = {text.substr(0, size - 6), text.substr(size - 5, 2),
                                        text.substr(size - 2, 2)};
    for (int i = 0; i < 3; ++i) {
        const auto [end, error] =
            std::from_chars(fields[i].data(), fields[i].data() + fields[i].size(), parts[i]);
        if (error != std::errc{} || end != fields[i].data() + fields[i].size()) {
            return std::nullopt;
        }
    }
    // year{} keeps its value in 16 bits: a larger one would come back as another year.
    if (parts[0] < static_cast<int>(year::min()) || parts[0] > static_cast<int>(year::max())) {
        return std::nullopt;
    }
    const year_month_day date{year{parts[0]}, month{static_cast<unsigned>(parts[1])},
                              day{static_cast<unsigned>(parts[2])}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

}  // namespace

std::string reminderDateText(year_month_day date, const DateText& dateText,
                             const CodePage& codePage) {
    std::string text = dateText.format(date);
    // A short date that the platform cannot read back (Korean's "2026. 12. 9."
    // under Wine) would leave the reminder counting from today at every start.
    const bool readsBack = survivesScrambling(text, codePage) && dateText.parse(text) == date;
    return readsBack ? text : isoDate(date);
}

std::optional<year_month_day> parseReminderDate(std::string_view text, const DateText& dateText) {
    if (auto iso = parseIsoDate(text)) {
        return iso;
    }
    return dateText.parse(text);
}

void UpdateReminder::remindIfDue() {
    Settings stored(store_, dateText_);
    const std::string key = scramble(settings::kDuration, codePage_);
    const year_month_day today = clock_.now().date;
    auto recordToday = [&] {
        stored.write(key, scramble(reminderDateText(today, dateText_, codePage_), codePage_));
    };

    const std::string lastCheck = unscramble(stored.read(key), codePage_);
    const auto lastCheckDate = parseReminderDate(lastCheck, dateText_);
    // No record, or one that no longer reads as a date (edited by hand, or
    // written under another locale): start counting from today. Left alone,
    // an unreadable record would silence the reminder for ever.
    if (!lastCheckDate) {
        recordToday();
        return;
    }
    const long days = daysBetween(today, *lastCheckDate);
    if (days >= -kReminderDays && days <= kReminderDays) {
        return;
    }
    const MessageAnswer answer =
        messages_.show({kQuestion, MessageButtons::YesNo, MessageIcon::Information, kAppTitle});
    recordToday();
    if (answer == MessageAnswer::Yes) {
        openPage(browser_, WebPage::Download);
    }
}

}  // namespace corvallo
