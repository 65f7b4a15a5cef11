#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "app/Ports.h"

namespace corvallo::modHelp {

// Days the reminder stays quiet after it last asked, either way from today.
inline constexpr long kReminderDays = 14;

// At a start more than 14 days (either way) from the stored date of the last
// check, asks whether to look for an update and opens the download page on
// Yes; the date of the check is then stored again. Stops at its first failing
// step and lets the failure through.
void CheckUpdateReminder(const Ports& ports);

// The stored form of a check date: the user's short date, or yyyy-mm-dd when
// the short date holds characters that the scrambled store cannot keep.
[[nodiscard]] std::string reminderDateText(std::chrono::year_month_day date,
                                           const DateText& dateText, const CodePage& codePage);
// Reads either form; nothing when the text is neither.
[[nodiscard]] std::optional<std::chrono::year_month_day> parseReminderDate(
    std::string_view text, const DateText& dateText);

}  // namespace corvallo::modHelp
