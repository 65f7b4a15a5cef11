#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/DateText.h"
#include "core/ports/SettingsStore.h"

namespace corvallo {

// The program's settings: text values by key, with the default a reader names
// for an absent key, and dates in the user's short date format.
class Settings {
  public:
    Settings(SettingsStore& store, const DateText& dateText) : store_(store), dateText_(dateText) {}

    // The stored text, or `fallback` when the key is absent.
    [[nodiscard]] std::string read(std::string_view key, std::string_view fallback = {}) const {
        auto value = store_.read(key);
        return value ? std::move(*value) : std::string(fallback);
    }

    void write(std::string_view key, std::string_view value) { store_.write(key, value); }

    // The stored date; nothing when the key is absent or does not read as a date.
    [[nodiscard]] std::optional<std::chrono::year_month_day> readDate(std::string_view key) const {
        return dateText_.parse(read(key));
    }

    void writeDate(std::string_view key, std::chrono::year_month_day date) {
        write(key, dateText_.format(date));
    }

  private:
    SettingsStore& store_;
    const DateText& dateText_;
};

// Whole calendar days from `from` to `to`: negative when `to` lies before `from`.
[[nodiscard]] inline long daysBetween(std::chrono::year_month_day from,
                                      std::chrono::year_month_day to) {
    return static_cast<long>((std::chrono::sys_days(to) - std::chrono::sys_days(from)).count());
}

[[nodiscard]] inline std::chrono::year_month_day nextDay(std::chrono::year_month_day date) {
    return std::chrono::sys_days(date) + std::chrono::days(1);
}

}  // namespace corvallo
