#include "core/app/TrayPresenter.h"

#include "core/app/Steps.h"

namespace corvallo {

void TrayPresenter::hideToTray() {
    attemptEach(*this, &TrayPresenter::addIcon, &TrayPresenter::minimise,
                &TrayPresenter::hideWindow);
}

void TrayPresenter::restoreFromTray() {
    attemptEach(*this, &TrayPresenter::showWindow, &TrayPresenter::showNormal,
                &TrayPresenter::takeProgramIcon, &TrayPresenter::centre,
                &TrayPresenter::removeIcon);
}

void TrayPresenter::removeIcon() {
    attempt([&] { trayIcon_.remove(); });
}

// The tooltip the icon has always had.
void TrayPresenter::addIcon() {
    trayIcon_.add("Recent");
}
void TrayPresenter::minimise() {
    view_.setWindowState(WindowState::Minimized);
}
void TrayPresenter::hideWindow() {
    view_.hide();
}
void TrayPresenter::showWindow() {
    view_.show();
}
void TrayPresenter::showNormal() {
    view_.setWindowState(WindowState::Normal);
}
void TrayPresenter::takeProgramIcon() {
    iconStore_.ensureLoaded();
    view_.setIconFromStore(IconStore::kProgramIcon);
}
void TrayPresenter::centre() {
    view_.centreOnScreen();
}

}  // namespace corvallo
