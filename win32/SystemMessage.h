#pragma once

#include <string>

namespace corvallo::win32 {

// The system's own description of a Win32 status (as FormatMessageW gives it,
// in the user's language), as UTF-8 without the trailing line break; empty
// when the system has none. `status` is a DWORD / LSTATUS value.
[[nodiscard]] std::string systemMessage(unsigned long status);

}  // namespace corvallo::win32
