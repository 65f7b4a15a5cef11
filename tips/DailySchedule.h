#pragma once

#include <chrono>
#include <optional>

#include "platform/Clock.h"

namespace corvallo {

class FrmMain;

// The daily display: once a day, at the stored hour, minute and second, the
// main window comes back on screen, with a new tip when one is due.
class DailySchedule {
  public:
    // Ticks further apart than this (the computer slept, or the clock was
    // changed) only count when they fall exactly on the display second.
    static constexpr std::chrono::seconds kMaxCatchUp{5};

    explicit DailySchedule(FrmMain& form) : form_(form) {}

    void Timer1_Timer();

  private:
    struct Tick {
        LocalDateTime local;
        std::chrono::steady_clock::time_point steady;
    };

    [[nodiscard]] bool displayTimeReached(int displaySecondOfDay, const Tick& now) const;

    FrmMain& form_;
    std::optional<Tick> previous_;
};

}  // namespace corvallo
