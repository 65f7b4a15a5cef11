#include "core/app/Closing.h"

#include "core/app/Steps.h"
#include "core/model/ProgramName.h"

namespace corvallo {

void Closing::confirmQuit() {
    MessageAnswer answer = MessageAnswer::No;
    attempt([&] {
        answer = messages_.show({"Are You Sure You Want To Quit Corvallo?", MessageButtons::YesNo,
                                 MessageIcon::Exclamation, kAppTitle});
    });
    if (answer == MessageAnswer::Yes) {
        quit();
    } else {
        settingsPanel_.applySettingsAndHideToTray();
    }
}

void Closing::close(CloseReason reason) {
    if (!mayClose(reason)) {
        return;
    }
    unload();
    attemptEach(*this, &Closing::destroyWindow);
    onClosed_();
}

bool Closing::mayClose(CloseReason reason) {
    const bool stays = reason == CloseReason::CloseBox;
    if (stays) {
        attemptEach(*this, &Closing::minimise);
        tray_.hideToTray();
        attemptEach(*this, &Closing::hideWindow);
    } else {
        attemptEach(*this, &Closing::saveSettings);
    }
    attemptEach(*this, &Closing::tipPanelToFront);
    return !stays;
}

void Closing::unload() {
    attemptEach(*this, &Closing::saveSettings);
    tray_.removeIcon();
}

void Closing::minimise() {
    view_.setWindowState(WindowState::Minimized);
}
void Closing::hideWindow() {
    view_.hide();
}
void Closing::saveSettings() {
    settingsPanel_.save();
}
void Closing::tipPanelToFront() {
    view_.bringPanelToFront(Panel::Tip);
}
void Closing::destroyWindow() {
    view_.destroy();
}

}  // namespace corvallo
