#pragma once

#include <string>

#include "platform/Browser.h"
#include "ui/AboutView.h"

namespace corvallo {

// The About window's behaviour: its button closes it, its two links open
// pages. All its texts are fixed.
class FrmAbout {
  public:
    FrmAbout(Browser& browser, AboutView& view) : browser_(browser), view_(view) {}

    // The home-page link's caption: the same site the pages are opened on.
    [[nodiscard]] static std::string homePageCaption();

    void cmdOK_Click();
    void lblHomePage_Click();
    void Label5_Click();

  private:
    Browser& browser_;
    AboutView& view_;
};

}  // namespace corvallo
