#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/NonCopyable.h"

namespace corvallo {

// Dates as the user writes them: the short date format of the user's locale.
class DateText : NonCopyable {
  public:
    virtual ~DateText() = default;

    // The date (no time of day) in the user's current short date format.
    [[nodiscard]] virtual std::string format(std::chrono::year_month_day date) const = 0;

    // The text read as a date in the user's current locale; nothing when it is
    // not a date. A time of day in the text is ignored.
    [[nodiscard]] virtual std::optional<std::chrono::year_month_day> parse(
        std::string_view text) const = 0;
};

}  // namespace corvallo
