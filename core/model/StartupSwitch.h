#pragma once

#include <string_view>

namespace corvallo {

// The switch that the start-up entry passes, so that a start at log-on can be
// told from a start by the user. Letter case counts.
inline constexpr std::string_view kStartupSwitch = "/STARTUP";

// True when the switch stands anywhere in the command line.
[[nodiscard]] inline bool hasStartupSwitch(std::string_view commandLine) {
    return commandLine.find(kStartupSwitch) != std::string_view::npos;
}

}  // namespace corvallo
