#include "core/app/MainPresenter.h"

#include "core/app/Steps.h"

namespace corvallo {

MainPresenter::MainPresenter(const Ports& ports, const Views& views, std::function<void()> onClosed)
    : ports_(ports),
      view_(views.main),
      settings_(ports.store, ports.dateText),
      iconStore_(views.iconStore),
      tray_(ports.trayIcon, views.main, iconStore_),
      tips_(ports.random, views.main, settings_),
      startupOptions_(ports.startupEntry, ports.process, ports.messages, views.main, settings_),
      settingsPanel_(views.main, settings_, ports.messages, startupOptions_, tray_),
      closing_(views.main, ports.messages, settingsPanel_, tray_, std::move(onClosed)),
      links_(ports.browser, ports.random, views.main, views.about),
      dailyDisplay_(ports.clock, views.main, settings_, tips_),
      loadSequence_(ports_, views.main, settings_, startupOptions_, settingsPanel_, tray_, tips_) {}

void MainPresenter::perform(MainAction action) {
    switch (action) {
        case MainAction::ApplySettingsAndHideToTray:
            return settingsPanel_.applySettingsAndHideToTray();
        case MainAction::ConfirmQuit:
            return closing_.confirmQuit();
        case MainAction::ShowSettings:
            return settingsPanel_.showSettings();
        case MainAction::ShowAbout:
            return links_.showAbout();
        case MainAction::OpenHomePage:
            return links_.open(WebPage::Home);
        case MainAction::OpenHelpPage:
            return links_.open(WebPage::Help);
        case MainAction::OpenDownloadPage:
            return links_.open(WebPage::Download);
        case MainAction::OpenDonatePage:
            return links_.open(WebPage::Donate);
        case MainAction::OpenCoBrandPage:
            return links_.open(WebPage::CoBrand);
        case MainAction::OpenFullyBrandedPage:
            return links_.open(WebPage::FullyBranded);
        case MainAction::RestoreFromTray:
            return tray_.restoreFromTray();
        case MainAction::Quit:
            return closing_.quit();
    }
}

// Activating the icon brings the program back; its menu offers "Show" and
// "Exit", which quits without asking.
void MainPresenter::trayGesture(TrayGesture gesture) {
    if (gesture == TrayGesture::Activate) {
        tray_.restoreFromTray();
        return;
    }
    TrayMenuChoice choice = TrayMenuChoice::None;
    attempt([&] { choice = view_.popupTrayMenu(); });
    if (choice == TrayMenuChoice::Show) {
        tray_.restoreFromTray();
    } else if (choice == TrayMenuChoice::Exit) {
        closing_.quit();
    }
}

}  // namespace corvallo
