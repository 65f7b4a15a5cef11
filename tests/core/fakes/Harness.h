#pragma once

#include "core/app/Program.h"
#include "core/fakes/FakePorts.h"
#include "core/fakes/FakeViews.h"
#include "core/model/Latin1CodePage.h"

namespace corvallo::fakes {

// Every port and view faked, wired into one program.
struct Harness {
    MemoryStore store;
    FakeClock clock;
    ScriptedRandom random;
    FakeDateText dateText;
    Latin1CodePage codePage;
    RecordingBrowser browser;
    FakeStartupEntry startupEntry;
    FakeTray tray;
    ScriptedMessages messages;
    FakeProcess process;
    NoStartTrace trace;
    FakeMainView mainView;
    FakeAboutView aboutView;
    FakeIconStore iconStore;

    Ports ports{store,        clock, random,   dateText, codePage, browser,
                startupEntry, tray,  messages, process,  trace};
    Views views{mainView, aboutView, iconStore};
    Program program{ports, views};

    // Starts the program; the main presenter is reachable through main() afterwards.
    bool start() { return program.start(); }
    MainPresenter& main() { return program.main(); }

    [[nodiscard]] std::string today(int offsetDays = 0) const {
        return dateText.format(sys_days(clock.today()) + days(offsetDays));
    }
    // A store as a finished first run leaves it.
    void storeLaterRun(const std::string& card, int dueInDays) {
        store.values = {{"Hour", "7"},
                        {"Minute", "0"},
                        {"Second", "0"},
                        {"Card", card},
                        {"Date", today(dueInDays)}};
    }
};

}  // namespace corvallo::fakes
