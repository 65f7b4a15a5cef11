#pragma once

#include <optional>

#include "app/Ports.h"
#include "ui/FrmMain.h"

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

    // Closes every window of the program that is still loaded and ends the process.
    void EndProgram();

    // The main window; only after start() returned true.
    [[nodiscard]] FrmMain& frmMain() { return *frmMain_; }
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    [[nodiscard]] bool CheckSingleInstance();
    void seedRandom();

    Ports ports_;
    Views views_;
    std::optional<FrmMain> frmMain_;
    bool ended_ = false;
};

}  // namespace corvallo
