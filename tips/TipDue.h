#pragma once

#include <chrono>

#include "settings/Settings.h"

namespace corvallo {

// Whether a new tip is due today: the stored "Date" is today or earlier. A
// "Date" that is missing, does not read as a date, or cannot be read at all
// counts as due, so a damaged value is replaced by the next new tip.
[[nodiscard]] bool newTipDue(const Settings& settings, std::chrono::year_month_day today) noexcept;

}  // namespace corvallo
