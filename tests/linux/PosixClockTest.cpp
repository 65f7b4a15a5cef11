#include "linux/PosixClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "TempFolder.h"

namespace corvallo {
namespace {

using namespace std::chrono;

// The local date and time read as if it were UTC, to compare with the
// system clock.
sys_seconds asIfUtc(const LocalDateTime& local) {
    return sys_days(local.date) + hours(local.hour) + minutes(local.minute) + seconds(local.second);
}

// Every reading applies the time zone in force at that moment, so a change
// of zone while the program runs is seen at once.
TEST(PosixClockTest, NowIsTheLocalTimeOfTheZoneInForce) {
    const PosixClock clock;
    struct Case {
        const char* zone;
        minutes aheadOfUtc;
    };
    const std::vector<Case> cases = {
        {"UTC0", minutes(0)},
        {"<+1430>-14:30", minutes(14 * 60 + 30)},
        {"<-08>8", minutes(-8 * 60)},
        {"UTC0", minutes(0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        test::ScopedEnvironment zone("TZ", c.zone);
        const auto before = floor<seconds>(system_clock::now());
        const sys_seconds utc = asIfUtc(clock.now()) - c.aheadOfUtc;
        const auto after = floor<seconds>(system_clock::now());
        EXPECT_GE(utc, before);
        EXPECT_LE(utc, after);
    }
}

}  // namespace
}  // namespace corvallo
