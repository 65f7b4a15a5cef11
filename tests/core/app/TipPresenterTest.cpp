#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/app/TipPresenter.h"
#include "core/fakes/Harness.h"
#include "core/model/TipCatalogue.h"

namespace corvallo {
namespace {

using fakes::Harness;

TEST(kTips, ThirtyTipsWithTheirTrailingBlanks) {
    EXPECT_EQ(kTips[0], "");
    std::set<std::string_view> distinct(kTips.begin() + 1, kTips.end());
    EXPECT_EQ(distinct.size(), 30u);
    for (int i = 1; i <= kTipCount; ++i) {
        SCOPED_TRACE(i);
        const bool trailingBlank = i == 9 || i == 12 || i == 24;
        EXPECT_EQ(kTips[i].back() == ' ', trailingBlank);
        for (const char c : kTips[i]) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F);
        }
    }
    EXPECT_EQ(kTips[17],
              "Make sure that all clocks in your house are in a working condition and none of them "
              "have stopped.");
    EXPECT_EQ(kTips[20],
              "Do not keep things or items that you haven't used in years and are gathering dust.");
}

TEST(ShowRandomTip, DrawsMapEvenlyOntoOneToThirty) {
    EXPECT_EQ(tipIndexFromDraw(0.0), 1);
    EXPECT_EQ(tipIndexFromDraw(std::nextafter(1.0, 0.0)), 30);
    EXPECT_EQ(tipIndexFromDraw(1.0 / 30), 2);
    EXPECT_EQ(tipIndexFromDraw(std::nextafter(1.0 / 30, 0.0)), 1);
    int counts[31] = {};
    for (int i = 0; i < 30000; ++i) {
        ++counts[tipIndexFromDraw((i + 0.5) / 30000)];
    }
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(counts[i], 1000) << "tip " << i;
    }
}

TEST(ShowRandomTip, StopsAtTheFailedCardWriteWithTheTipOnShow) {
    Harness h;
    h.storeLaterRun("4", 1);
    ASSERT_TRUE(h.start());
    h.store.failingKeys = {"Card"};
    h.random.draws = {0.3};
    EXPECT_ANY_THROW(h.main().tips().showRandomTip());
    EXPECT_EQ(h.mainView.picture, 10);
    EXPECT_EQ(h.mainView.description, kTips[10]);
    EXPECT_EQ(h.store.at("Card"), "4");
}

TEST(TipPresenter, ShowTipEachStepStandsAlone) {
    struct Case {
        std::int16_t index;
        int picture;
        std::string text;
    };
    const Case cases[] = {
        {17, 17, std::string(kTips[17])}, {9, 9, std::string(kTips[9])},  {0, 5, ""},
        {31, 5, std::string(kTips[5])},   {-3, 5, std::string(kTips[5])},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Harness h;
        h.storeLaterRun("5", 1);
        ASSERT_TRUE(h.start());
        ASSERT_EQ(h.mainView.picture, 5);
        h.main().tips().showTip(c.index);
        EXPECT_EQ(h.mainView.picture, c.picture);
        EXPECT_EQ(h.mainView.settingsPicture, c.picture);
        EXPECT_EQ(h.mainView.description, c.text);
        EXPECT_EQ(h.store.at("Card"), std::to_string(c.index));
    }
}

}  // namespace
}  // namespace corvallo
