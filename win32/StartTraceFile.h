#pragma once

#include <cstdio>

namespace corvallo::win32 {

// The file named by the environment variable CORVALLO_START_TRACE, opened for
// appending; null (no trace) when the variable is unset or the file cannot be
// opened.
std::FILE* openStartTraceFile();

// Milliseconds since Windows created this process, before any DLL was loaded.
double millisecondsSinceProcessStart();

}  // namespace corvallo::win32
