#pragma once

#include <windows.h>

#include <filesystem>

namespace corvallo::faults {

// The wall clock of this process and of the programs it starts, moved without
// touching the machine's clock. It works through libfaketime, which
// tools/run/wine-run.sh preloads into the test program when asked to
// (WINE_RUN_PRELOAD): the library adds the offset written in the file named by
// FAKETIME_TIMESTAMP_FILE to every reading of the real-time clock, and rereads
// that file each time (FAKETIME_NO_CACHE). Wine's GetLocalTime reads that
// clock in the calling process, not in Wine's server. The monotonic clock, on
// which Wine's timers and waits run, stays true (FAKETIME_DONT_FAKE_MONOTONIC).
class MovedClock {
  public:
    // Starts at the true time; throws when FAKETIME_TIMESTAMP_FILE is not set.
    MovedClock();

    void setTrueTime() { writeOffset(0); }

    // Moves the clock so that the local time reads `local` now, and checks
    // that this process sees it; throws when it does not (the library is not
    // loaded).
    void setLocalTime(const SYSTEMTIME& local);

  private:
    void writeOffset(long long seconds);

    std::filesystem::path offsetFile_;
    long long offsetSeconds_ = 0;
};

// The local time `days` days after `day`, at this time of that day (a negative
// time lies on the day before).
[[nodiscard]] SYSTEMTIME dayAt(const SYSTEMTIME& day, int days, int hour, int minute, int second);

}  // namespace corvallo::faults
