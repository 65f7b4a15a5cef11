#include "core/app/DailyDisplay.h"

#include "core/app/Steps.h"
#include "core/model/SettingsKeys.h"
#include "core/model/TipDue.h"

namespace corvallo {

void DailyDisplay::tick() {
    const Tick now{clock_.now(), clock_.steadyNow()};
    bool display = false;
    attempt([&] {
        const auto second = storedDisplaySecond(settings_);
        display = second && watch_.reached(*second, now);
    });
    watch_.remember(now);
    if (!display) {
        return;
    }

    bool due = true;
    attempt([&] { due = newTipDue(settings_, now.local.date); });
    if (due) {
        attempt([&] { settings_.writeDate(settings::kDate, nextDay(now.local.date)); });
        attempt([&] { tips_.showRandomTip(); });
    }
    attempt([&] { view_.show(); });
    attempt([&] { view_.setWindowState(WindowState::Normal); });
}

}  // namespace corvallo
