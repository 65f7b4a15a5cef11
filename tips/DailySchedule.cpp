#include "tips/DailySchedule.h"

#include "app/Skip.h"
#include "settings/TextConversions.h"
#include "tips/ShowRandomTip.h"
#include "tips/TipDue.h"
#include "ui/FrmMain.h"

namespace corvallo {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

long long localSeconds(const LocalDateTime& t) {
    return static_cast<long long>(std::chrono::sys_days(t.date).time_since_epoch().count()) *
               kSecondsPerDay +
           t.secondOfDay();
}

}  // namespace

// A timer set to 1000 ms fires a little later than that each time, so now and
// then a second of the clock gets no tick at all. A tick that follows the
// previous one closely therefore counts the display second as reached when it
// lies anywhere after the previous tick's second and up to its own; since
// these spans never overlap, one passing of the display time counts once.
// After a long gap, or when the clock was changed, only an exact hit counts.
bool DailySchedule::displayTimeReached(int displaySecondOfDay, const Tick& now) const {
    const int current = now.local.secondOfDay();
    if (previous_) {
        const auto steadyGap = now.steady - previous_->steady;
        const long long localGap = localSeconds(now.local) - localSeconds(previous_->local);
        if (steadyGap <= kMaxCatchUp && localGap > 0 && localGap <= kMaxCatchUp.count()) {
            const long long behind =
                ((current - displaySecondOfDay) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
            return behind < localGap;
        }
    }
    return displaySecondOfDay == current;
}

void DailySchedule::Timer1_Timer() {
    const Ports& ports = form_.ports();
    const Tick now{ports.clock.now(), ports.clock.steadyNow()};
    bool display = false;
    skipOnFailure([&] {
        const Settings& settings = form_.settings();
        const int hour = toInt16(settings.read("Hour"));
        const int minute = toInt16(settings.read("Minute"));
        const int second = toInt16(settings.read("Second"));
        if (hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60) {
            display = displayTimeReached((hour * 60 + minute) * 60 + second, now);
        }
    });
    previous_ = now;
    if (!display) {
        return;
    }

    const bool due = newTipDue(form_.settings(), now.local.date);
    if (due) {
        skipOnFailure([&] { form_.settings().writeDate("Date", nextDay(now.local.date)); });
        skipOnFailure([&] { modMoonPhase::ShowRandomTip(form_); });
    }
    skipOnFailure([&] { form_.view().show(); });
    skipOnFailure([&] { form_.view().setWindowState(WindowState::Normal); });
}

}  // namespace corvallo
