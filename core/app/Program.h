#pragma once

#include <optional>

#include "core/app/MainPresenter.h"
#include "core/app/Ports.h"

namespace corvallo {

// The program's start and end around the main window.
class Program {
  public:
    // `ports` and `views` must outlive the program.
    Program(const Ports& ports, const Views& views) : ports_(ports), views_(views) {}

    // Runs the start: the single-instance guard, seeding, the main window's
    // load and first showing, the promotion label. Returns false when this
    // copy was refused (it has then ended).
    bool start();

    // Closes every window of the program that is still open and ends the process.
    void end();

    // The main window's presenter; only after start() returned true.
    [[nodiscard]] MainPresenter& main() { return *main_; }
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    // False, after saying so, when another copy already runs.
    [[nodiscard]] bool isOnlyCopy();
    void seedRandom();

    Ports ports_;
    Views views_;
    std::optional<MainPresenter> main_;
    bool ended_ = false;
};

}  // namespace corvallo
