#include "core/app/Links.h"

#include <cmath>

#include "core/app/AboutPresenter.h"
#include "core/app/Steps.h"

namespace corvallo {

void Links::open(WebPage page) {
    attempt([&] { openPage(browser_, page); });
}

// One draw of 1 to 6 per run: odd shows the co-brand label, even the other.
void Links::pickPromotion() {
    attempt([&] {
        const int k = static_cast<int>(std::floor(6 * random_.next())) + 1;
        view_.bringPromotionToFront(k % 2 == 1 ? Promotion::Cobrand : Promotion::FullBrand);
    });
}

void Links::showAbout() {
    attempt([&] {
        AboutPresenter presenter(browser_, about_);
        about_.showModal([&](AboutAction action) { presenter.perform(action); });
    });
}

}  // namespace corvallo
