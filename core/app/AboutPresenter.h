#pragma once

#include "core/ports/Browser.h"
#include "core/views/AboutView.h"
#include "core/views/Routes.h"

namespace corvallo {

// The About window's behaviour: its button closes it, its two links open
// pages. All its texts are fixed. `browser` and `view` must outlive it.
class AboutPresenter {
  public:
    AboutPresenter(Browser& browser, AboutView& view) : browser_(browser), view_(view) {}

    void perform(AboutAction action);

  private:
    Browser& browser_;
    AboutView& view_;
};

}  // namespace corvallo
