#pragma once

#include <chrono>

#include "core/model/Settings.h"

namespace corvallo {

// Whether a new tip is due today: the stored "Date" is today or earlier. A
// "Date" that is missing or does not read as a date counts as due, so a
// damaged value is replaced by the next new tip. Throws when the store cannot
// be read; the caller counts that as due too.
[[nodiscard]] bool newTipDue(const Settings& stored, std::chrono::year_month_day today);

}  // namespace corvallo
