#include "win32/Win32DateText.h"

#include <windows.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/DatePattern.h"
#include "core/model/NumericDateReading.h"
#include "win32/OleAutomation.h"
#include "win32/Utf16.h"

namespace corvallo {
namespace {

// The user's short-date picture with its year widened to four digits, the
// picture every date is written with; empty when the locale gives none.
std::wstring fourDigitShortDatePicture() {
    // LOCALE_SSHORTDATE is at most 80 characters.
    std::array<wchar_t, 96> picture{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTDATE, picture.data(),
                        static_cast<int>(picture.size())) == 0) {
        return {};
    }
    return withFourDigitYear<wchar_t>(picture.data());
}

std::optional<DWORD> localeNumber(LCTYPE type) {
    DWORD value = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<wchar_t*>(&value), sizeof(value) / sizeof(wchar_t)) == 0) {
        return std::nullopt;
    }
    return value;
}

// Whether the user's calendar numbers its years as the Gregorian calendar
// does; the other calendars (Japanese eras, Thai Buddhist, Hijri...) write
// other years, which only the OLE date reader converts.
bool gregorianYears() {
    const std::optional<DWORD> calendar = localeNumber(LOCALE_ICALENDARTYPE);
    if (!calendar) {
        return false;
    }
    switch (*calendar) {
        case CAL_GREGORIAN:
        case CAL_GREGORIAN_US:
        case CAL_GREGORIAN_ME_FRENCH:
        case CAL_GREGORIAN_ARABIC:
        case CAL_GREGORIAN_XLIT_ENGLISH:
        case CAL_GREGORIAN_XLIT_FRENCH:
            return true;
        default:
            return false;
    }
}

// Whether the OLE date reader reads texts of `picture` field by field as the
// picture writes them: only separators it takes between the numbers, and the
// fields in the order it assumes for the locale (LOCALE_IDATE: 0 month-day-
// year, 1 day-month-year, 2 year-month-day). Any other picture, one with
// quoted text, a separator before or after the date ("yyyy. M. d.", which the
// OLE reader does not take) or another order, goes to the OLE reader alone,
// so the quick reading never answers differently from it.
bool readLikeTheOleReader(const std::wstring& picture) {
    constexpr std::wstring_view kFields = L"dMy";
    if (picture.empty() || picture.find_first_not_of(L"dMy/-. ") != std::wstring::npos ||
        kFields.find(picture.front()) == std::wstring_view::npos ||
        kFields.find(picture.back()) == std::wstring_view::npos) {
        return false;
    }
    const std::size_t day = picture.find(L'd');
    const std::size_t month = picture.find(L'M');
    const std::size_t year = picture.find(L'y');
    const std::optional<DWORD> order = localeNumber(LOCALE_IDATE);
    if (!order) {
        return false;
    }
    switch (*order) {
        case 0:
            return month < day && day < year;
        case 1:
            return day < month && month < year;
        case 2:
            return year < month && month < day;
        default:
            return false;
    }
}

// The OLE date reader (VarDateFromStr), which also takes other usual forms of
// a date and a time of day after it (dropped).
std::optional<std::chrono::year_month_day> readAnyDate(const std::wstring& text) {
    DATE value = 0;
    if (FAILED(win32::ole_automation::dateFromText(text.c_str(), LOCALE_USER_DEFAULT, 0, &value))) {
        return std::nullopt;
    }
    // The whole part of a DATE is the day, the fraction the time of day
    // (counted away from zero for days before 30 Dec 1899). Dropping the
    // fraction keeps a time just before midnight from rounding to the next day.
    value = std::trunc(value);
    SYSTEMTIME time{};
    if (win32::ole_automation::variantTimeToSystemTime(value, &time) == FALSE) {
        return std::nullopt;
    }
    return std::chrono::year_month_day{std::chrono::year{time.wYear},
                                       std::chrono::month{time.wMonth},
                                       std::chrono::day{time.wDay}};
}

}  // namespace

std::string Win32DateText::format(std::chrono::year_month_day date) const {
    // SYSTEMTIME covers the years 1601 to 30827; other dates have no text.
    if (!date.ok() || date.year() < std::chrono::year{1601} ||
        date.year() > std::chrono::year{30827}) {
        return {};
    }
    const std::wstring fourDigitPicture = fourDigitShortDatePicture();
    if (fourDigitPicture.empty()) {
        return {};
    }

    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(static_cast<int>(date.year()));
    time.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    time.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    // The day of week is ignored by GetDateFormatEx unless the picture
    // shows it, in which case it is computed from the date.
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, fourDigitPicture.c_str(),
                                       nullptr, 0, nullptr);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, fourDigitPicture.c_str(), text.data(),
                    length, nullptr);
    text.resize(static_cast<std::size_t>(length - 1));  // the count includes the NUL
    return win32::toUtf8(text);
}

std::optional<std::chrono::year_month_day> Win32DateText::parse(std::string_view text) const {
    const std::wstring wide = win32::toUtf16(text);
    // A NUL would end the text early for VarDateFromStr; such a text is not
    // a date.
    if (wide.find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    // Every start reads its stored dates, written by format() in the locale's
    // own numeric short date. Those the program reads itself, so that a start
    // does not load the OLE Automation library (oleaut32) only to read them;
    // the quick reading answers only where it reads as the OLE reader does,
    // for the years format() writes and the OLE reader's DATE holds.
    if (gregorianYears()) {
        const std::wstring picture = fourDigitShortDatePicture();
        if (readLikeTheOleReader(picture)) {
            const auto date = readNumericDate<wchar_t>(wide, picture);
            if (date && date->year() >= std::chrono::year{1601} &&
                date->year() <= std::chrono::year{9999}) {
                return date;
            }
        }
    }
    return readAnyDate(wide);
}

}  // namespace corvallo
