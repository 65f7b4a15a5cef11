#pragma once

#include <cstdio>

class QWidget;

namespace corvallo {
class StartTrace;
}

namespace corvallo::qt {

// The file named by the environment variable CORVALLO_START_TRACE, opened for
// appending; null (no trace) when the variable is unset or the file cannot be
// opened.
std::FILE* openStartTraceFile();

// Milliseconds since the kernel started this process. The kernel keeps that
// moment in clock ticks, so the figure is exact to 10 ms only; the steps'
// differences are exact.
double millisecondsSinceProcessStart();

// Marks the window's first paint, and the first time after it that the event
// loop has nothing left to do, on `trace`.
void traceFirstPaint(QWidget& window, StartTrace& trace);

}  // namespace corvallo::qt
