#pragma once

namespace corvallo {

class FrmMain;

namespace modMoonPhase {

// Stores the settings panel's start-up choices, "AutorunStartUp" and
// "SystemTray". Stops at its first failing step and lets the failure through.
void SaveSettings(FrmMain& form);

// Sets the settings panel from the store: the check box, the option buttons
// and the display time lists, each change running its control's handler.
// Stops at its first failing step (a stored text that does not convert, or is
// not an entry of its list) and lets the failure through.
void LoadSettings(FrmMain& form);

}  // namespace modMoonPhase
}  // namespace corvallo
