#pragma once

#include <string>
#include <string_view>

namespace corvallo::win32 {

// The date picture (as LOCALE_SSHORTDATE gives it, e.g. "dd/MM/yy") with
// every year field widened to four digits ("dd/MM/yyyy"). Text in single
// quotes is literal and stays as it is ('' is a quote character).
[[nodiscard]] std::wstring withFourDigitYear(std::wstring_view picture);

}  // namespace corvallo::win32
