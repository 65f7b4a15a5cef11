#include "core/model/TipDue.h"

#include "core/model/SettingsKeys.h"

namespace corvallo {

bool newTipDue(const Settings& stored, std::chrono::year_month_day today) {
    const auto dueDate = stored.readDate(settings::kDate);
    return !dueDate || daysBetween(today, *dueDate) <= 0;
}

}  // namespace corvallo
