#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ports/Browser.h"
#include "core/ports/Clock.h"
#include "core/ports/DateText.h"
#include "core/ports/MessageDialog.h"
#include "core/ports/Process.h"
#include "core/ports/RandomSource.h"
#include "core/ports/SettingsStore.h"
#include "core/ports/StartupEntry.h"
#include "core/ports/TrayIcon.h"

namespace corvallo::fakes {

using namespace std::chrono;

// Settings in memory; can be told to fail reads or writes, all or by key.
struct MemoryStore final : SettingsStore {
    std::map<std::string, std::string, std::less<>> values;
    bool failWrites = false;
    bool failReads = false;
    std::vector<std::string> failingKeys;  // writes to these keys fail
    std::vector<std::pair<std::string, std::string>> writes;

    [[nodiscard]] std::optional<std::string> read(std::string_view key) const override {
        if (failReads) {
            throw std::runtime_error("store unreadable");
        }
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void write(std::string_view key, std::string_view value) override {
        if (failWrites ||
            std::find(failingKeys.begin(), failingKeys.end(), key) != failingKeys.end()) {
            throw std::runtime_error("store not writable");
        }
        values[std::string(key)] = std::string(value);
        writes.emplace_back(key, value);
    }
    [[nodiscard]] std::string at(const std::string& key) const {
        const auto it = values.find(key);
        return it == values.end() ? "<absent>" : it->second;
    }
};

// A clock that moves only when told to. advance() moves the calendar clock
// and the steady time together; set() changes the calendar clock alone, as a
// user setting the clock would.
struct FakeClock final : Clock {
    sys_time<milliseconds> local = sys_days(2026y / December / 9) + hours(8);
    steady_clock::time_point steady{};

    [[nodiscard]] LocalDateTime now() const override {
        const auto day = floor<days>(local);
        const hh_mm_ss time(floor<seconds>(local - day));
        return {year_month_day(day), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
    }
    [[nodiscard]] steady_clock::time_point steadyNow() const override { return steady; }

    void advance(milliseconds by) {
        local += by;
        steady += by;
    }
    void set(sys_time<milliseconds> when) { local = when; }
    [[nodiscard]] year_month_day today() const { return now().date; }
};

// Draws from a script; once it runs out, draws 0.
struct ScriptedRandom final : RandomSource {
    std::deque<double> draws;
    std::optional<std::uint64_t> seeded;
    int seedCalls = 0;

    void seed(std::uint64_t value) override {
        seeded = value;
        ++seedCalls;
    }
    [[nodiscard]] double next() override {
        if (draws.empty()) {
            return 0.0;
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};

// A fixed fake locale. Us: 12/9/2026; German: 09.12.2026; Japanese: 2026年12月9日;
// Korean: 2026. 12. 9., which its parser, like the platform's under Wine,
// does not read back (it stops short of the closing dot).
struct FakeDateText final : DateText {
    enum class Locale { Us, German, Japanese, Korean } locale = Locale::Us;

    [[nodiscard]] std::string format(year_month_day date) const override {
        const int y = static_cast<int>(date.year());
        const unsigned m = static_cast<unsigned>(date.month());
        const unsigned d = static_cast<unsigned>(date.day());
        char text[64];
        switch (locale) {
            case Locale::Us:
                std::snprintf(text, sizeof text, "%u/%u/%d", m, d, y);
                break;
            case Locale::German:
                std::snprintf(text, sizeof text, "%02u.%02u.%d", d, m, y);
                break;
            case Locale::Japanese:
                std::snprintf(text, sizeof text, "%d\u5e74%u\u6708%u\u65e5", y, m, d);
                break;
            case Locale::Korean:
                std::snprintf(text, sizeof text, "%d. %u. %u.", y, m, d);
                break;
        }
        return text;
    }
    [[nodiscard]] std::optional<year_month_day> parse(std::string_view text) const override {
        const std::string s(text);
        int a = 0, b = 0, c = 0;
        char tail = 0;
        bool matched = false;
        switch (locale) {
            case Locale::Us:
                matched = std::sscanf(s.c_str(), "%d/%d/%d%c", &a, &b, &c, &tail) == 3;
                break;
            case Locale::German:
                matched = std::sscanf(s.c_str(), "%d.%d.%d%c", &b, &a, &c, &tail) == 3;
                break;
            case Locale::Japanese:
                matched =
                    std::sscanf(s.c_str(), "%d\u5e74%d\u6708%d\u65e5%c", &c, &a, &b, &tail) == 3;
                break;
            case Locale::Korean:
                matched = std::sscanf(s.c_str(), "%d. %d. %d%c", &c, &a, &b, &tail) == 3;
                break;
        }
        if (!matched || a < 1 || b < 1) {
            return std::nullopt;
        }
        const year_month_day date{year{c}, month{static_cast<unsigned>(a)},
                                  day{static_cast<unsigned>(b)}};
        return date.ok() ? std::optional(date) : std::nullopt;
    }
};

struct RecordingBrowser final : Browser {
    std::vector<std::string> opened;
    bool fail = false;
    void open(const std::string& address) override {
        if (fail) {
            throw std::runtime_error("no browser");
        }
        opened.push_back(address);
    }
};

struct FakeStartupEntry final : StartupEntry {
    // What an entry starts: the program's folder, a blank, its arguments.
    std::map<std::string, std::string> entries;
    std::optional<StartupEntryError> failWith;  // thrown by write and remove

    [[nodiscard]] bool present(const std::string& name) const override {
        return entries.count(name) != 0;
    }
    void write(const std::string& name, const std::string& folder,
               const std::string& arguments) override {
        if (failWith) {
            throw *failWith;
        }
        entries[name] = folder + " " + arguments;
    }
    void remove(const std::string& name) override {
        if (failWith && failWith->stage() == StartupEntryError::Stage::OpeningKey) {
            throw *failWith;
        }
        entries.erase(name);
    }
};

struct FakeTray final : TrayIcon {
    bool present = false;
    int adds = 0;
    std::string tooltip;
    void add(const std::string& tip) override {
        ++adds;
        if (!present) {
            present = true;
            tooltip = tip;
        }
    }
    void remove() override { present = false; }
};

// Records every message box and answers from a script (OK when it runs out).
struct ScriptedMessages final : MessageDialog {
    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;

    MessageAnswer show(const Message& message) override {
        shown.push_back(message);
        if (answers.empty()) {
            return MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct FakeProcess final : Process {
    std::string name = "Corvallo";
    std::string folder = "C:\\Program Files\\Corvallo";
    std::string arguments;
    bool otherCopyRunning = false;
    int exits = 0;

    [[nodiscard]] std::string appName() const override { return name; }
    [[nodiscard]] std::string exeFolder() const override { return folder; }
    [[nodiscard]] std::string commandLine() const override { return arguments; }
    [[nodiscard]] bool anotherInstanceRunning() override { return otherCopyRunning; }
    void exit() override { ++exits; }
};

}  // namespace corvallo::fakes
