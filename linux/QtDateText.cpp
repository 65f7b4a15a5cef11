#include "linux/QtDateText.h"

#include <QDate>
#include <QStringList>

#include "core/model/DatePattern.h"

namespace corvallo {

namespace {

QDate toQDate(std::chrono::year_month_day date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                 static_cast<int>(unsigned(date.day())));
}

// The date part that a successful reading of `text` by `format` gives.
std::optional<std::chrono::year_month_day> readAs(const QLocale& locale, const QString& text,
                                                  const QString& format) {
    const QDate date = locale.toDate(text, format);
    // QDate has no year 0 (year -1 comes before year 1); such dates are no
    // dates the program writes.
    if (!date.isValid() || date.year() < 1) {
        return std::nullopt;
    }
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{unsigned(date.month())},
                                       std::chrono::day{unsigned(date.day())}};
}

// The locale's own pattern with the year widened to four digits.
QString withFourDigitYear(const QString& format) {
    return QString::fromStdU16String(
        corvallo::withFourDigitYear<char16_t>(format.toStdU16String()));
}

}  // namespace

std::string QtDateText::format(std::chrono::year_month_day date) const {
    if (!date.ok() || date.year() < std::chrono::year{1}) {
        return {};
    }
    const QString shortFormat = locale_.dateFormat(QLocale::ShortFormat);
    return locale_.toString(toQDate(date), withFourDigitYear(shortFormat)).toStdString();
}

std::optional<std::chrono::year_month_day> QtDateText::parse(std::string_view text) const {
    const QString shortFormat = locale_.dateFormat(QLocale::ShortFormat);
    const QStringList formats = {
        withFourDigitYear(shortFormat),
        shortFormat,
        locale_.dateFormat(QLocale::LongFormat),
        QStringLiteral("yyyy-MM-dd"),
    };
    QString candidate =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    // The whole text first, then shorter and shorter prefixes that end
    // before a blank: a long date holds blanks itself, and a time of day
    // follows the date after one.
    while (!candidate.isEmpty()) {
        for (const QString& format : formats) {
            if (const auto date = readAs(locale_, candidate, format)) {
                return date;
            }
        }
        qsizetype end = candidate.size() - 1;
        while (end > 0 && !candidate[end].isSpace()) {
            --end;
        }
        if (end <= 0) {
            break;
        }
        candidate = candidate.left(end).trimmed();
    }
    return std::nullopt;
}

}  // namespace corvallo
