#include "core/model/WebPages.h"

#include <gtest/gtest.h>

#include "fakes/Harness.h"
#include "core/app/AboutPresenter.h"

namespace corvallo {
namespace {

using fakes::Harness;

TEST(WebPages, EveryLinkOpensItsPageOncePerClick) {
    struct Case {
        const char* control;
        void (FrmMain::*click)();
        const char* pageKey;
    };
    const Case cases[] = {
        {"Label61", &FrmMain::Label61_Click, "home-page"},
        {"mnuVisit", &FrmMain::mnuVisit_Click, "home-page"},
        {"mnuOnline", &FrmMain::mnuOnline_Click, "help-web-page"},
        {"mnuUpdate", &FrmMain::mnuUpdate_Click, "download-web-page"},
        {"mnuDonate", &FrmMain::mnuDonate_Click, "donate"},
        {"lblFullBrand", &FrmMain::lblFullBrand_Click, "fully-branded"},
        {"mnuMakeMoney", &FrmMain::mnuMakeMoney_Click, "fully-branded"},
        {"lblCobrand", &FrmMain::lblCobrand_Click, "co-brand"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        Harness h;
        ASSERT_TRUE(h.start());
        (h.form().*c.click)();
        (h.form().*c.click)();
        const std::string address =
            std::string("https://www.corvallo.example/corvallo/ssd.php?page=") + c.pageKey;
        EXPECT_EQ(h.browser.opened, (std::vector<std::string>{address, address}));
    }
}

TEST(WebPages, AFailingBrowserLeavesNoTrace) {
    Harness h;
    ASSERT_TRUE(h.start());
    h.browser.fail = true;
    h.store.writes.clear();
    h.form().mnuDonate_Click();
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_TRUE(h.store.writes.empty());
}

TEST(About, LinksOpenPagesAndOkCloses) {
    Harness h;
    ASSERT_TRUE(h.start());
    using Click = fakes::FakeAboutView::Click;
    h.aboutView.clicks = {Click::HomePage, Click::MoreDetails, Click::HomePage, Click::Ok};
    h.form().mnuAbout_Click();
    EXPECT_FALSE(h.aboutView.open);
    EXPECT_EQ(h.browser.opened, (std::vector<std::string>{modHelp::pageAddress("home-page"),
                                                          modHelp::pageAddress("fully-branded"),
                                                          modHelp::pageAddress("home-page")}));
    h.form().mnuAbout_Click();
    EXPECT_EQ(h.aboutView.opened, 2);
    // The link shows the site that the pages are opened on.
    EXPECT_EQ(FrmAbout::homePageCaption(), "Click here to visit https://www.corvallo.example");
}

}  // namespace
}  // namespace corvallo
