#pragma once

#include <cstdint>

#include "core/model/Settings.h"
#include "core/ports/RandomSource.h"
#include "core/views/MainView.h"

namespace corvallo {

// Puts a tip on both panels (pictures and text) and stores which one it is.
// Every object passed in must outlive the presenter.
class TipPresenter {
  public:
    TipPresenter(RandomSource& random, MainView& view, Settings& settings)
        : random_(random), view_(view), settings_(settings) {}

    // Shows the tip with this index and stores it; each step on its own: an
    // index without a picture keeps the pictures on show, one outside the
    // catalogue keeps the text, and the index is stored whatever it is.
    void showTip(std::int16_t index);

    // Draws a tip at random, shows it and stores its index as "Card". Stops
    // at its first failing step and lets the failure through.
    void showRandomTip();

    // The index of a tip drawn at random.
    [[nodiscard]] std::int16_t drawTip();

  private:
    RandomSource& random_;
    MainView& view_;
    Settings& settings_;
};

}  // namespace corvallo
