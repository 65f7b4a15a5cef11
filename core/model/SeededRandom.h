#pragma once

#include <cstdint>
#include <random>

#include "core/ports/RandomSource.h"

namespace corvallo {

// The program's generator: a 64-bit Mersenne Twister. The value is built from
// the top 53 bits of one draw, so it is always below 1 (a floating-point
// distribution may round up to exactly 1.0 with some libraries).
class SeededRandom final : public RandomSource {
  public:
    void seed(std::uint64_t value) override { engine_.seed(value); }
    [[nodiscard]] double next() override {
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

  private:
    std::mt19937_64 engine_;
};

}  // namespace corvallo
