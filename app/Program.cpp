#include "app/Program.h"

#include "app/AppTitle.h"
#include "app/Skip.h"

namespace corvallo {

bool Program::start() {
    if (!CheckSingleInstance()) {
        return false;
    }
    seedRandom();
    frmMain_.emplace(ports_, views_, [this] { EndProgram(); });
    frmMain_->Form_Load();
    if (!frmMain_->startedInTray()) {
        skipOnFailure([&] { views_.main.show(); });
    }
    frmMain_->CoBrand_Randomize();
    return true;
}

// The copy that already runs is left alone: not activated, not told anything.
bool Program::CheckSingleInstance() {
    if (!ports_.process.anotherInstanceRunning()) {
        return true;
    }
    skipOnFailure([&] {
        ports_.messages.show("Application is already running", mb::kInformation, kAppTitle);
    });
    EndProgram();
    return false;
}

void Program::seedRandom() {
    const auto local = ports_.clock.now();
    const auto steady =
        static_cast<std::uint64_t>(ports_.clock.steadyNow().time_since_epoch().count());
    const auto days =
        static_cast<std::uint64_t>(std::chrono::sys_days(local.date).time_since_epoch().count());
    ports_.random.seed(steady ^ (days * 86400 + static_cast<std::uint64_t>(local.secondOfDay())));
}

void Program::EndProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    skipOnFailure([&] {
        if (views_.about.isOpen()) {
            views_.about.close();
        }
    });
    if (frmMain_) {
        skipOnFailure([&] { frmMain_->iconStore().close(); });
    }
    ports_.process.exit();
}

}  // namespace corvallo
