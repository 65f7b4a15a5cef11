#include "win32/Win32DateText.h"

#include <windows.h>

#include <oleauto.h>

#include <array>
#include <cmath>

#include "core/model/DatePattern.h"
#include "win32/Utf16.h"

namespace corvallo {

std::string Win32DateText::format(std::chrono::year_month_day date) const {
    // SYSTEMTIME covers the years 1601 to 30827; other dates have no text.
    if (!date.ok() || date.year() < std::chrono::year{1601} ||
        date.year() > std::chrono::year{30827}) {
        return {};
    }
    // LOCALE_SSHORTDATE is at most 80 characters.
    std::array<wchar_t, 96> picture{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTDATE, picture.data(),
                        static_cast<int>(picture.size())) == 0) {
        return {};
    }
    const std::wstring fourDigitPicture = withFourDigitYear<wchar_t>(picture.data());

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
    std::wstring wide = win32::toUtf16(text);
    // A NUL would end the text early for VarDateFromStr; such a text is not
    // a date.
    if (wide.find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    DATE value = 0;
    // MinGW declares the string parameter without const; it is not written.
    if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) {
        return std::nullopt;
    }
    // The whole part of a DATE is the day, the fraction the time of day
    // (counted away from zero for days before 30 Dec 1899). Dropping the
    // fraction keeps a time just before midnight from rounding to the next day.
    value = std::trunc(value);
    SYSTEMTIME time{};
    if (VariantTimeToSystemTime(value, &time) == FALSE) {
        return std::nullopt;
    }
    return std::chrono::year_month_day{std::chrono::year{time.wYear},
                                       std::chrono::month{time.wMonth},
                                       std::chrono::day{time.wDay}};
}

}  // namespace corvallo
