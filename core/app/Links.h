#pragma once

#include "core/model/WebPages.h"
#include "core/ports/Browser.h"
#include "core/ports/RandomSource.h"
#include "core/views/AboutView.h"
#include "core/views/MainView.h"

namespace corvallo {

// The links to the maker's pages, the promotion strip and the About window.
// Every object passed in must outlive the presenter.
class Links {
  public:
    Links(Browser& browser, RandomSource& random, MainView& view, AboutView& about)
        : browser_(browser), random_(random), view_(view), about_(about) {}

    // Opens the page; a browser that fails leaves no trace.
    void open(WebPage page);
    // Shows one of the two promotion labels, each half the time.
    void pickPromotion();
    // Shows the About window modally.
    void showAbout();

  private:
    Browser& browser_;
    RandomSource& random_;
    MainView& view_;
    AboutView& about_;
};

}  // namespace corvallo
