#include "MovedClock.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Driver.h"

namespace corvallo::faults {
namespace {

constexpr long long kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns steps

long long ticks(const FILETIME& time) {
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<long long>(value.QuadPart);
}

FILETIME fileTime(long long ticks) {
    ULARGE_INTEGER value{};
    value.QuadPart = static_cast<ULONGLONG>(ticks);
    return FILETIME{value.LowPart, value.HighPart};
}

long long utcTicksNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return ticks(now);
}

long long utcTicksOf(const SYSTEMTIME& local) {
    SYSTEMTIME utc{};
    FILETIME file{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) ||
        !SystemTimeToFileTime(&utc, &file)) {
        throw std::runtime_error("not a valid local time");
    }
    return ticks(file);
}

}  // namespace

MovedClock::MovedClock() {
    const char* path = std::getenv("FAKETIME_TIMESTAMP_FILE");
    if (!path || !*path) {
        throw std::runtime_error("FAKETIME_TIMESTAMP_FILE is not set");
    }
    // A Unix path; Wine shows the Unix root as drive Z:.
    offsetFile_ = std::filesystem::path("Z:" + std::string(path)).make_preferred();
    writeOffset(0);
}

void MovedClock::setLocalTime(const SYSTEMTIME& local) {
    const long long target = utcTicksOf(local);
    const long long trueNow = utcTicksNow() - offsetSeconds_ * kTicksPerSecond;
    // Whole seconds, rounded down: the moved clock then reads a time within
    // the target's second.
    long long offset = (target - trueNow) / kTicksPerSecond;
    if ((target - trueNow) % kTicksPerSecond < 0) {
        --offset;
    }
    writeOffset(offset);
    // The library rereads the file at most once a second.
    const bool moved = e2e::waitFor(
        [&] {
            const long long late = utcTicksNow() - target;
            return late >= 0 && late < 3 * kTicksPerSecond;
        },
        std::chrono::milliseconds(3000));
    if (!moved) {
        throw std::runtime_error("the clock did not move: libfaketime is not preloaded");
    }
}

void MovedClock::writeOffset(long long seconds) {
    // Written beside the file and renamed over it: the library rereads the
    // file at every clock reading and must never see it half written.
    std::filesystem::path next = offsetFile_;
    next += L".next";
    {
        std::ofstream out(next, std::ios::trunc);
        out << (seconds < 0 ? "" : "+") << seconds << '\n';
        if (!out.flush()) {
            throw std::runtime_error("cannot write the clock offset");
        }
    }
    if (!MoveFileExW(next.c_str(), offsetFile_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        throw std::runtime_error("cannot replace the clock offset: " +
                                 std::to_string(GetLastError()));
    }
    offsetSeconds_ = seconds;
}

SYSTEMTIME dayAt(const SYSTEMTIME& day, int days, int hour, int minute, int second) {
    SYSTEMTIME midnight = day;
    midnight.wHour = midnight.wMinute = midnight.wSecond = midnight.wMilliseconds = 0;
    FILETIME file{};
    if (!SystemTimeToFileTime(&midnight, &file)) {
        throw std::runtime_error("not a valid day");
    }
    const long long seconds = days * 86400LL + hour * 3600LL + minute * 60LL + second;
    const FILETIME moved = fileTime(ticks(file) + seconds * kTicksPerSecond);
    SYSTEMTIME result{};
    FileTimeToSystemTime(&moved, &result);
    return result;
}

}  // namespace corvallo::faults
