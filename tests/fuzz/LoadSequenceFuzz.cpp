// The program's start driven by arbitrary stored values. The input is lines
// separated by '\n': the stored values of "Hour", "Minute", "Second", "Date",
// "Card", "RunAtSysTray", "SystemTray", "AutorunStartUp" and the scrambled
// "Duration" (stored as given), then the Run value and the command line;
// everything after them steers the run (see Steering). A line that is a
// single DEL byte, or one the input ends before, leaves its key absent; an
// empty Run value line means no Run value.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "core/fakes/Harness.h"
#include "core/model/ProgramName.h"
#include "core/model/Scramble.h"
#include "core/model/TextConversions.h"
#include "core/model/TipCatalogue.h"

namespace {

using corvallo::fuzz::require;
using namespace std::chrono;

constexpr std::string_view kAbsent = "\x7f";
constexpr std::string_view kReminderQuestionStart = "There maybe an update";

// Splits the input into its lines; the rest after the last one needed stays whole.
struct Lines {
    std::vector<std::optional<std::string_view>> values;
    std::string_view steering;

    Lines(std::string_view input, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (input.empty()) {
                values.emplace_back(std::nullopt);
                continue;
            }
            const auto end = input.find('\n');
            const std::string_view line = input.substr(0, end);
            values.emplace_back(line == kAbsent ? std::nullopt : std::optional(line));
            input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
        }
        steering = input;
    }
};

// The steering bytes, read in order; each reads as 0 once they run out.
// 1: days from 9 December 2026 (signed); 2-4: the clock's hour, minute and
// second; 5: the answer to the update question (odd: Yes); 6: the number of
// timer ticks (up to 15), then one byte per tick: below 0x80 the clocks move
// on that many seconds, from 0x80 the calendar clock alone is set back by
// (byte - 0x80) minutes. The bytes left are the random draws, each byte / 256.
struct Steering {
    std::string_view bytes;
    std::uint8_t next() {
        if (bytes.empty()) {
            return 0;
        }
        const auto b = static_cast<std::uint8_t>(bytes.front());
        bytes.remove_prefix(1);
        return b;
    }
};

// The "Card" that the start stores back when it keeps the stored tip.
std::string keptCard(const std::optional<std::string_view>& stored) {
    try {
        return std::to_string(corvallo::toInt16(stored.value_or("")));
    } catch (const corvallo::ConversionError&) {
        return "0";
    }
}

bool isTipIndex(const std::string& text) {
    for (int i = 1; i <= corvallo::kTipCount; ++i) {
        if (text == std::to_string(i)) {
            return true;
        }
    }
    return false;
}

void requireTipPictures(const corvallo::fakes::FakeMainView& view) {
    require(view.picture >= 1 && view.picture <= corvallo::kTipCount, "picture shows a tip");
    require(view.settingsPicture >= 1 && view.settingsPicture <= corvallo::kTipCount,
            "settingsPicture shows a tip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvallo::fakes::Harness h;
    const std::string durationKey = corvallo::scramble("Duration", h.codePage);
    const std::string keys[] = {"Hour",         "Minute",     "Second",         "Date",     "Card",
                                "RunAtSysTray", "SystemTray", "AutorunStartUp", durationKey};
    constexpr std::size_t kKeyCount = std::size(keys);
    const Lines lines(corvallo::fuzz::bytesAsText(data, size), kKeyCount + 2);
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        if (lines.values[i]) {
            h.store.values[keys[i]] = std::string(*lines.values[i]);
        }
    }
    if (const auto runValue = lines.values[kKeyCount]; runValue && !runValue->empty()) {
        h.startupEntry.entries[h.process.appName()] = std::string(*runValue);
    }
    h.process.arguments = std::string(lines.values[kKeyCount + 1].value_or(""));

    Steering steering{lines.steering};
    const auto dayOffset = static_cast<std::int8_t>(steering.next());
    const int hour = steering.next() % 24;
    const int minute = steering.next() % 60;
    const int second = steering.next() % 60;
    h.clock.local = sys_days(2026y / December / 9) + days(dayOffset) + hours(hour) +
                    minutes(minute) + seconds(second);
    const corvallo::MessageAnswer answer =
        steering.next() % 2 == 1 ? corvallo::MessageAnswer::Yes : corvallo::MessageAnswer::No;
    h.messages.answers = {answer};
    std::vector<std::uint8_t> tickSteps(steering.next() % 16);
    for (auto& step : tickSteps) {
        step = steering.next();
    }
    for (const char b : steering.bytes) {
        h.random.draws.push_back(static_cast<std::uint8_t>(b) / 256.0);
    }

    require(h.start(), "the program starts");
    requireTipPictures(h.mainView);

    for (const std::uint8_t step : tickSteps) {
        if (step < 0x80) {
            h.clock.advance(seconds(step));
        } else {
            h.clock.set(h.clock.local - minutes(step - 0x80));
        }
        h.main().tick();
        requireTipPictures(h.mainView);
    }

    for (const auto& shown : h.messages.shown) {
        require(std::string_view(shown.text).starts_with(kReminderQuestionStart) &&
                    shown.title == corvallo::kAppTitle,
                "the only message shown is the update reminder's question");
    }
    require(h.messages.shown.size() <= 1, "the update question is asked at most once");
    require(h.browser.opened.size() <= (answer == corvallo::MessageAnswer::Yes ? 1u : 0u),
            "the download page opens only on a Yes");

    const std::string kept = keptCard(lines.values[4]);
    for (const auto& [key, value] : h.store.writes) {
        if (key == "Card") {
            require(value == kept || isTipIndex(value),
                    "\"Card\" is stored back as it was read or as a tip from 1 to 30");
        }
    }

    h.main().close(corvallo::CloseReason::ProgramQuit);
    require(h.program.ended() && h.process.exits == 1, "quitting ends the process");
    h.program.end();
    require(h.process.exits == 1, "the process is ended once");
    require(!h.tray.present, "no icon is left in the notification area");
    require(h.store.at("AutorunStartUp") ==
                corvallo::flagText(h.mainView.option == corvallo::StartupOption::Run),
            "quitting stores the start-up choice on show");
    return 0;
}
