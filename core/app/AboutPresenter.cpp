#include "core/app/AboutPresenter.h"

#include "core/app/Steps.h"
#include "core/model/WebPages.h"

namespace corvallo {

void AboutPresenter::perform(AboutAction action) {
    attempt([&] {
        switch (action) {
            case AboutAction::Close:
                view_.close();
                break;
            case AboutAction::OpenHomePage:
                openPage(browser_, WebPage::Home);
                break;
            case AboutAction::OpenFullyBrandedPage:
                openPage(browser_, WebPage::FullyBranded);
                break;
        }
    });
}

}  // namespace corvallo
