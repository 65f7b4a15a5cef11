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
    attempt([&] { destroyWindow(); });
    onClosed_();
}

bool Closing::mayClose(CloseReason reason) {
    const bool stays = reason == CloseReason::CloseBox;
    if (stays) {
        attempt([&] { minimise(); });
        tray_.hideToTray();
        attempt([&] { hideWindow(); });
    } else {
        attempt([&] { saveSettings(); });
    }
    attempt([&] { tipPanelToFront(); });
    return !stays;
}

void Closing::unload() {
    attempt([&] { saveSettings(); });
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
