#include "core/model/DisplayTime.h"

#include "core/model/SettingsKeys.h"
#include "core/model/TextConversions.h"

namespace corvallo {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

long long localSeconds(const LocalDateTime& t) {
    return static_cast<long long>(std::chrono::sys_days(t.date).time_since_epoch().count()) *
               kSecondsPerDay +
           t.secondOfDay();
}

}  // namespace

std::optional<int> storedDisplaySecond(const Settings& stored) {
    const int hour = toInt16(stored.read(settings::kHour));
    const int minute = toInt16(stored.read(settings::kMinute));
    const int second = toInt16(stored.read(settings::kSecond));
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60) {
        return std::nullopt;
    }
    return (hour * 60 + minute) * 60 + second;
}

// A timer set to 1000 ms fires a little later than that each time, so now and
// then a second of the clock gets no tick at all. A tick that follows the
// previous one closely therefore counts the display second as reached when it
// lies anywhere after the previous tick's second and up to its own; since
// these spans never overlap, one passing of the display time counts once.
// After a long gap, or when the clock was changed, only an exact hit counts.
bool DisplayTimeWatch::reached(int displaySecondOfDay, const Tick& now) const {
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

}  // namespace corvallo
