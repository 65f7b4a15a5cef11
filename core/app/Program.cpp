#include "core/app/Program.h"

#include "core/app/Steps.h"
#include "core/model/ProgramName.h"

namespace corvallo {

bool Program::start() {
    if (!isOnlyCopy()) {
        return false;
    }
    ports_.trace.reached("single-instance check");
    seedRandom();
    main_.emplace(ports_, views_, [this] { end(); });
    main_->load();
    if (!main_->startedInTray()) {
        attempt([&] { views_.main.show(); });
        ports_.trace.reached("window shown");
    }
    main_->pickPromotion();
    ports_.trace.reached("promotion picked");
    return true;
}

// The copy that already runs is left alone: not activated, not told anything.
bool Program::isOnlyCopy() {
    if (!ports_.process.anotherInstanceRunning()) {
        return true;
    }
    attempt([&] {
        ports_.messages.show({"Application is already running", MessageButtons::Ok,
                              MessageIcon::Information, kAppTitle});
    });
    end();
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

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    attempt([&] {
        if (views_.about.isOpen()) {
            views_.about.close();
        }
    });
    if (main_) {
        attempt([&] { main_->iconStore().close(); });
    }
    ports_.process.exit();
}

}  // namespace corvallo
