#pragma once

#include <cstdint>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// The program's one pseudo-random generator.
class RandomSource : NonCopyable {
  public:
    virtual ~RandomSource() = default;

    // Called once per run, before the first draw.
    virtual void seed(std::uint64_t value) = 0;

    // A value r with 0 <= r < 1.
    [[nodiscard]] virtual double next() = 0;
};

}  // namespace corvallo
