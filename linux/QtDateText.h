#pragma once

#include <QLocale>
#include <QString>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/DateText.h"

namespace corvallo {

// Dates in a locale's short date format, converted by QLocale:
//
// - format: the locale's short date format with its year widened to four
//   digits. Some locales' short date has a two-digit year ("M/d/yy"), which
//   Qt reads back as 19yy, so 1 Jan 2050 would come back as 1950; with four
//   digits every date reads back as itself.
// - parse: that same widened format, then the locale's own short and long
//   formats, then ISO yyyy-MM-dd. Blanks around the text are ignored, and so
//   is whatever follows the date after a blank (a time of day).
class QtDateText final : public DateText {
  public:
    explicit QtDateText(QLocale locale = QLocale()) : locale_(std::move(locale)) {}

    [[nodiscard]] std::string format(std::chrono::year_month_day date) const override;
    [[nodiscard]] std::optional<std::chrono::year_month_day> parse(
        std::string_view text) const override;

  private:
    QLocale locale_;
};

}  // namespace corvallo
