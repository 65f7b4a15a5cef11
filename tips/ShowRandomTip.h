#pragma once

#include <cstdint>

namespace corvallo {

class FrmMain;

namespace modMoonPhase {

// The tip index for a draw 0 <= r < 1: 1 to 30, each equally likely.
[[nodiscard]] std::int16_t tipIndexFromDraw(double r);

// Draws a tip at random, shows it and stores its index as "Card". Stops at
// its first failing step and lets the failure through.
void ShowRandomTip(FrmMain& form);

}  // namespace modMoonPhase
}  // namespace corvallo
