#pragma once

#include <string_view>

namespace corvallo::win32 {

// The argument text of a command line as GetCommandLineW gives it: what follows
// the program's own path and the blanks after it. The path is read the way the
// shell and CommandLineToArgvW read it: inside double quotes up to the next
// quote (a quoted path may hold spaces), otherwise up to the first space or
// tab. No other quotes are interpreted; the arguments stay as typed.
[[nodiscard]] std::wstring_view argumentText(std::wstring_view commandLine);

}  // namespace corvallo::win32
