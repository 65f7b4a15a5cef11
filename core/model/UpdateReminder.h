#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/Browser.h"
#include "core/ports/Clock.h"
#include "core/ports/CodePage.h"
#include "core/ports/DateText.h"
#include "core/ports/MessageDialog.h"
#include "core/ports/SettingsStore.h"

namespace corvallo {

// Days the reminder stays quiet after it last asked, either way from today.
inline constexpr long kReminderDays = 14;

// The reminder to look for an update. Every port must outlive it.
class UpdateReminder {
  public:
    UpdateReminder(SettingsStore& store, const Clock& clock, const DateText& dateText,
                   const CodePage& codePage, MessageDialog& messages, Browser& browser)
        : store_(store),
          clock_(clock),
          dateText_(dateText),
          codePage_(codePage),
          messages_(messages),
          browser_(browser) {}

    // At a start more than 14 days (either way) from the stored date of the
    // last check, asks whether to look for an update and opens the download
    // page on Yes; the date of the check is then stored again. Stops at its
    // first failing step and lets the failure through.
    void remindIfDue();

  private:
    SettingsStore& store_;
    const Clock& clock_;
    const DateText& dateText_;
    const CodePage& codePage_;
    MessageDialog& messages_;
    Browser& browser_;
};

// The stored form of a check date: the user's short date, or yyyy-mm-dd when
// the short date holds characters that the scrambled store cannot keep or
// does not read back as the same date.
[[nodiscard]] std::string reminderDateText(std::chrono::year_month_day date,
                                           const DateText& dateText, const CodePage& codePage);
// Reads either form; nothing when the text is neither.
[[nodiscard]] std::optional<std::chrono::year_month_day> parseReminderDate(
    std::string_view text, const DateText& dateText);

}  // namespace corvallo
