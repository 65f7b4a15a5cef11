#pragma once

#include <chrono>
#include <optional>

#include "core/model/Settings.h"
#include "core/ports/Clock.h"

namespace corvallo {

// One reading of both clocks, taken at a timer tick.
struct Tick {
    LocalDateTime local;
    std::chrono::steady_clock::time_point steady;
};

// The stored display time as a second of the day. Throws ConversionError
// when a part does not read as a number; nothing when a part is out of range.
[[nodiscard]] std::optional<int> storedDisplaySecond(const Settings& settings);

// Decides, tick by tick, when the daily display time has been reached.
class DisplayTimeWatch {
  public:
    // Ticks further apart than this (the computer slept, or the clock was
    // changed) only count when they fall exactly on the display second.
    static constexpr std::chrono::seconds kMaxCatchUp{5};

    // True when `displaySecondOfDay` lies after the previous tick's second and
    // up to this tick's, so that each passing of it counts exactly once.
    [[nodiscard]] bool reached(int displaySecondOfDay, const Tick& now) const;

    // Records the tick as the previous one for the next decision.
    void remember(const Tick& now) { previous_ = now; }

  private:
    std::optional<Tick> previous_;
};

}  // namespace corvallo
