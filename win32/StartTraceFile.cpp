#include "win32/StartTraceFile.h"

#include <windows.h>

#include <cstdlib>

namespace corvallo::win32 {
namespace {

double toMilliseconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10'000.0;
}

}  // namespace

std::FILE* openStartTraceFile() {
    const wchar_t* path = _wgetenv(L"CORVALLO_START_TRACE");
    if (path == nullptr || *path == L'\0') {
        return nullptr;
    }
    return _wfopen(path, L"a");
}

double millisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return -1.0;
    }
    GetSystemTimePreciseAsFileTime(&now);
    return toMilliseconds(now) - toMilliseconds(created);
}

}  // namespace corvallo::win32
