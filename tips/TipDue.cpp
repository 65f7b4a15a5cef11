#include "tips/TipDue.h"

#include "app/Skip.h"

namespace corvallo {

bool newTipDue(const Settings& settings, std::chrono::year_month_day today) noexcept {
    bool due = true;
    skipOnFailure([&] {
        const auto dueDate = settings.readDate("Date");
        due = !dueDate || daysBetween(today, *dueDate) <= 0;
    });
    return due;
}

}  // namespace corvallo
