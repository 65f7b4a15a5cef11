#pragma once

#include <string>
#include <vector>

#include "core/ports/NonCopyable.h"

namespace corvallo {

enum class ListId { Date, Month, Year, Hour, Minute, Second };  // cboDate ... cboSecond
enum class StartupOption { Run, DontRun };                      // optRun, optDontRun
enum class CheckState { Clear, Ticked, Greyed };                // a check box's three states
enum class Panel { Tip, Settings };                             // fraRune, fraSettings
enum class Promotion { Cobrand, FullBrand };                    // lblCobrand, lblFullBrand
enum class WindowState { Normal, Minimized };
enum class TrayMenuChoice { None, Show, Exit };  // mnuPop, mnuExit1

// The main window's controls as a passive view: it shows what it is told and
// reports what the controls hold. It makes no decisions and never runs a
// control's action itself; the main presenter does both.
class MainView : NonCopyable {
  public:
    virtual ~MainView() = default;

    virtual void fillList(ListId list, const std::vector<std::string>& items) = 0;
    [[nodiscard]] virtual int listCount(ListId list) const = 0;
    [[nodiscard]] virtual std::string listItem(ListId list, int index) const = 0;
    // The selected entry's index, or -1 when none is selected.
    [[nodiscard]] virtual int listIndex(ListId list) const = 0;
    virtual void setListIndex(ListId list, int index) = 0;

    // The "Start at system tray" check box (chkSysTray).
    [[nodiscard]] virtual CheckState trayAtLogOn() const = 0;
    virtual void setTrayAtLogOn(CheckState state) = 0;
    [[nodiscard]] virtual bool trayAtLogOnEnabled() const = 0;
    virtual void setTrayAtLogOnEnabled(bool enabled) = 0;

    // The selected one of the two start-up option buttons.
    [[nodiscard]] virtual StartupOption startupOption() const = 0;
    virtual void setStartupOption(StartupOption option) = 0;

    // Tip pictures by tip index 1 to 30: picCard on the tip panel, picCard2 on
    // the settings panel; lblCardDesc holds the tip text.
    virtual void setTipPicture(int tipIndex) = 0;
    virtual void setSettingsPicture(int tipIndex) = 0;
    virtual void setTipText(const std::string& text) = 0;

    virtual void bringPanelToFront(Panel panel) = 0;
    virtual void bringPromotionToFront(Promotion label) = 0;

    // Shows the window modelessly; hides it; the minimised or normal state.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void centreOnScreen() = 0;
    // Gives the window the icon at this position (counted from 1) of the icon store.
    virtual void setIconFromStore(int position) = 0;

    // Opens the notification icon's popup menu at the mouse, "Show" as its
    // default item, and returns the item chosen once it closes.
    [[nodiscard]] virtual TrayMenuChoice popupTrayMenu() = 0;

    // Destroys the window (the last step of unloading it).
    virtual void destroy() = 0;
};

}  // namespace corvallo
