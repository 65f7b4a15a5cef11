#pragma once

#include "core/app/TipPresenter.h"
#include "core/model/DisplayTime.h"
#include "core/model/Settings.h"
#include "core/ports/Clock.h"
#include "core/views/MainView.h"

namespace corvallo {

// The daily display: once a day, at the stored hour, minute and second, the
// main window comes back on screen, with a new tip when one is due. Every
// object passed in must outlive it.
class DailyDisplay {
  public:
    DailyDisplay(const Clock& clock, MainView& view, Settings& settings, TipPresenter& tips)
        : clock_(clock), view_(view), settings_(settings), tips_(tips) {}

    // Runs every second from the window's creation to its closing.
    void tick();

  private:
    const Clock& clock_;
    MainView& view_;
    Settings& settings_;
    TipPresenter& tips_;
    DisplayTimeWatch watch_;
};

}  // namespace corvallo
