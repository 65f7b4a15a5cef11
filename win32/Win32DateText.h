#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/DateText.h"

namespace corvallo {

// Dates in the user's short date format, converted by Windows itself:
//
// - format: GetDateFormatEx with the user's LOCALE_SSHORTDATE picture, its year
//   widened to four digits. Some locales' short date has a two-digit year
//   ("dd/MM/yy"); such a text reads back through the two-digit-year window
//   (by default 1930-2029), so 1 Jan 2050 would come back as 1950. With four
//   digits every date reads back as itself; order, separators and leading
//   zeros stay the user's.
// - parse: VarDateFromStr with LOCALE_USER_DEFAULT, the lenient reading that
//   also takes other usual forms of a date and a time of day after it (which
//   is dropped). A text in the locale's own numeric short date, as format
//   writes it, is read by the program itself with the same result
//   (readNumericDate), so that reading the stored dates at a start does not
//   load the OLE Automation library.
class Win32DateText final : public DateText {
  public:
    [[nodiscard]] std::string format(std::chrono::year_month_day date) const override;
    [[nodiscard]] std::optional<std::chrono::year_month_day> parse(
        std::string_view text) const override;
};

}  // namespace corvallo
