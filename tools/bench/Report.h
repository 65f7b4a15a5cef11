#pragma once
// What both start-up benchmarks print, from their measurements: each
// quantity as its median with the least and greatest value, the idle
// processor use, and every program against the first one (the minimal window
// program of the same toolkit) from the same run, as ratios and differences a
// goal can be read against.

#include <cstdio>
#include <string>
#include <vector>

#include "Median.h"

namespace corvallo::bench {

struct StartSample {
    double startMs = 0;     // until the first window is shown
    double startCpuMs = 0;  // processor time used by then
    double memoryKiB = 0;   // a short settle after that
};

// The program's processor time read at a moment of the idle period.
struct IdleReading {
    double wallMs = 0;
    double cpuMs = 0;
};

struct Measured {
    std::string name;
    std::vector<StartSample> starts;
    // The first at the beginning of the idle period, then one a second.
    std::vector<IdleReading> idle;
};

namespace report {

template <class Field>
[[nodiscard]] Spread spreadOf(const std::vector<StartSample>& samples, Field field) {
    std::vector<double> values;
    for (const StartSample& sample : samples) {
        values.push_back(sample.*field);
    }
    return spread(values);
}

[[nodiscard]] inline std::string withSpread(const Spread& s, int decimals) {
    char text[96];
    std::snprintf(text, sizeof text, "%.*f (%.*f-%.*f)", decimals, s.median, decimals, s.min,
                  decimals, s.max);
    return text;
}

struct IdleUse {
    double seconds = 0;
    double cpuMs = 0;
    double percent = 0;
    Spread perSecondPercent;
};

[[nodiscard]] inline IdleUse idleUse(const std::vector<IdleReading>& readings) {
    IdleUse use;
    if (readings.size() < 2) {
        return use;
    }
    const double wallMs = readings.back().wallMs - readings.front().wallMs;
    use.seconds = wallMs / 1000;
    use.cpuMs = readings.back().cpuMs - readings.front().cpuMs;
    use.percent = 100 * use.cpuMs / wallMs;
    std::vector<double> perSecond;
    for (std::size_t i = 1; i < readings.size(); ++i) {
        perSecond.push_back(100 * (readings[i].cpuMs - readings[i - 1].cpuMs) /
                            (readings[i].wallMs - readings[i - 1].wallMs));
    }
    use.perSecondPercent = spread(perSecond);
    return use;
}

// "2.34x", or "-" when the baseline measured nothing to divide by.
[[nodiscard]] inline std::string ratio(double value, double baseline) {
    char text[32];
    if (baseline <= 0) {
        return "-";
    }
    std::snprintf(text, sizeof text, "%.2fx", value / baseline);
    return text;
}

}  // namespace report

// Prints the starts' table, the idle table and the comparison with the first
// program. `memory` names what the memory column holds on this platform.
inline void printReport(const std::vector<Measured>& programs, const char* memory) {
    using namespace report;
    if (programs.empty()) {
        return;
    }
    std::printf("== %zu starts of each, taking turns: median (min-max)\n",
                programs.front().starts.size());
    std::printf("%-10s %-20s %-20s %s\n", "program", "start-up ms", "start CPU ms", memory);
    for (const Measured& program : programs) {
        std::printf("%-10s %-20s %-20s %s\n", program.name.c_str(),
                    withSpread(spreadOf(program.starts, &StartSample::startMs), 0).c_str(),
                    withSpread(spreadOf(program.starts, &StartSample::startCpuMs), 0).c_str(),
                    withSpread(spreadOf(program.starts, &StartSample::memoryKiB), 0).c_str());
    }

    std::printf("== one more start of each, all left idle together for %.0f s\n",
                idleUse(programs.front().idle).seconds);
    std::printf("%-10s %8s %11s   %s\n", "program", "CPU ms", "idle CPU",
                "each second: median (min-max) %");
    for (const Measured& program : programs) {
        const IdleUse use = idleUse(program.idle);
        std::printf("%-10s %8.0f %9.3f %%   %s\n", program.name.c_str(), use.cpuMs, use.percent,
                    withSpread(use.perSecondPercent, 1).c_str());
    }

    const Measured& baseline = programs.front();
    const IdleUse baselineIdle = idleUse(baseline.idle);
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const Measured& program = programs[i];
        const IdleUse idle = idleUse(program.idle);
        std::printf("== %s against %s, same run (medians)\n", program.name.c_str(),
                    baseline.name.c_str());
        const auto medianOf = [](const Measured& measured, auto field) {
            return spreadOf(measured.starts, field).median;
        };
        std::printf("%-10s %s\n", "start-up",
                    ratio(medianOf(program, &StartSample::startMs),
                          medianOf(baseline, &StartSample::startMs))
                        .c_str());
        std::printf("%-10s %s\n", "start CPU",
                    ratio(medianOf(program, &StartSample::startCpuMs),
                          medianOf(baseline, &StartSample::startCpuMs))
                        .c_str());
        std::printf("%-10s %+.1f MiB\n", "memory",
                    (medianOf(program, &StartSample::memoryKiB) -
                     medianOf(baseline, &StartSample::memoryKiB)) /
                        1024);
        std::printf("%-10s %.3f %% against %.3f %% (%+.0f ms over %.0f s)\n", "idle CPU",
                    idle.percent, baselineIdle.percent, idle.cpuMs - baselineIdle.cpuMs,
                    idle.seconds);
    }
}

}  // namespace corvallo::bench
