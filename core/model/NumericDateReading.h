#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace corvallo {

namespace numeric_date_detail {

// Reads `count` digits (exactly, or 1 to `count` when `atLeastOne`) from
// `text` at `at`; nothing when there are too few.
template <class Char>
[[nodiscard]] std::optional<int> readDigits(std::basic_string_view<Char> text, std::size_t& at,
                                            std::size_t count, bool atLeastOne) {
    int value = 0;
    std::size_t read = 0;
    while (read < count && at < text.size() && text[at] >= Char('0') && text[at] <= Char('9')) {
        value = value * 10 + static_cast<int>(text[at] - Char('0'));
        ++at;
        ++read;
    }
    if (read == 0 || (!atLeastOne && read < count)) {
        return std::nullopt;
    }
    return value;
}

template <class Char>
[[nodiscard]] constexpr bool isAsciiLetter(Char c) {
    return (c >= Char('a') && c <= Char('z')) || (c >= Char('A') && c <= Char('Z'));
}

}  // namespace numeric_date_detail

// Reads a date from `text` written with a numeric short-date `picture` as the
// Windows locale settings write them, after its year has been widened to
// four digits (withFourDigitYear, DatePattern.h): "d" or "dd" is the day and
// "M" or "MM" the month, each taking one or two digits; "yyyy" is the year in
// exactly four digits. Text in single quotes is literal ('' is a quote); any
// other character must appear as it is. The whole text must match: a stored
// date is read back from exactly what was written, so anything else (spaces
// around it, a time of day) is left to a more lenient reader.
//
// Gives nothing, rather than a guess, when the picture is not purely numeric
// (day or month names, an era, other year widths, any other unquoted letter),
// when it lacks a field or repeats one, when two fields touch without a
// literal between them (where a digit would belong is then ambiguous), when
// the text does not match, or when the date is not in the calendar.
template <class Char>
[[nodiscard]] std::optional<std::chrono::year_month_day> readNumericDate(
    std::basic_string_view<Char> text, std::basic_string_view<Char> picture) {
    using numeric_date_detail::readDigits;
    constexpr Char kQuote = '\'';
    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;
    std::size_t at = 0;          // position in the text
    bool fieldJustRead = false;  // the last picture item was a field
    for (std::size_t i = 0; i < picture.size();) {
        const Char c = picture[i];
        if (c == Char('d') || c == Char('M') || c == Char('y')) {
            if (fieldJustRead) {
                return std::nullopt;
            }
            std::size_t run = 0;
            while (i < picture.size() && picture[i] == c) {
                ++i;
                ++run;
            }
            std::optional<int>& field = c == Char('d') ? day : c == Char('M') ? month : year;
            const bool isYear = c == Char('y');
            if (field || (isYear ? run != 4 : run > 2)) {
                return std::nullopt;
            }
            field = readDigits(text, at, isYear ? 4 : 2, !isYear);
            if (!field) {
                return std::nullopt;
            }
            fieldJustRead = true;
            continue;
        }
        if (numeric_date_detail::isAsciiLetter(c)) {
            return std::nullopt;
        }
        fieldJustRead = false;
        if (c != kQuote) {
            if (at >= text.size() || text[at] != c) {
                return std::nullopt;
            }
            ++at;
            ++i;
            continue;
        }
        // A quote: '' outside quoted text is a quote character; otherwise the
        // quoted text up to the closing quote is literal, '' inside it a quote.
        if (i + 1 < picture.size() && picture[i + 1] == kQuote) {
            if (at >= text.size() || text[at] != kQuote) {
                return std::nullopt;
            }
            ++at;
            i += 2;
            continue;
        }
        ++i;
        for (;;) {
            if (i >= picture.size()) {
                return std::nullopt;  // no closing quote
            }
            if (picture[i] == kQuote) {
                if (i + 1 < picture.size() && picture[i + 1] == kQuote) {
                    ++i;  // the second quote of '' is the literal
                } else {
                    ++i;
                    break;
                }
            }
            if (at >= text.size() || text[at] != picture[i]) {
                return std::nullopt;
            }
            ++at;
            ++i;
        }
    }
    if (at != text.size() || !day || !month || !year) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

}  // namespace corvallo
