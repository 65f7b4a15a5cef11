#pragma once

#include <string>
#include <vector>

#include "platform/NonCopyable.h"

namespace corvallo {

enum class ListId { Date, Month, Year, Hour, Minute, Second };  // cboDate ... cboSecond
enum class OptionId { Run, DontRun };                           // optRun, optDontRun
enum class Panel { Tip, Settings };                             // fraRune, fraSettings
enum class Promotion { Cobrand, FullBrand };                    // lblCobrand, lblFullBrand
enum class WindowState { Normal, Minimized };
enum class TrayMenuChoice { None, Show, Exit };  // mnuPop, mnuExit1

// The main window's controls as a passive view: it shows what it is told and
// reports what the controls hold. It makes no decisions and never runs a
// handler itself; FrmMain does both.
class MainView : NonCopyable {
  public:
    virtual ~MainView() = default;

    virtual void fillList(ListId list, const std::vector<std::string>& items) = 0;
    [[nodiscard]] virtual int listCount(ListId list) const = 0;
    [[nodiscard]] virtual std::string listItem(ListId list, int index) const = 0;
    // The selected entry's index, or -1 when none is selected.
    [[nodiscard]] virtual int listIndex(ListId list) const = 0;
    virtual void setListIndex(ListId list, int index) = 0;

    // chkSysTray: 0 clear, 1 ticked, 2 greyed.
    [[nodiscard]] virtual int sysTrayValue() const = 0;
    virtual void setSysTrayValue(int value) = 0;
    [[nodiscard]] virtual bool sysTrayEnabled() const = 0;
    virtual void setSysTrayEnabled(bool enabled) = 0;

    [[nodiscard]] virtual OptionId selectedOption() const = 0;
    virtual void selectOption(OptionId option) = 0;

    // Tip pictures by tip index 1 to 30: picCard on the tip panel, picCard2 on
    // the settings panel; lblCardDesc holds the tip text.
    virtual void setCardPicture(int tipIndex) = 0;
    virtual void setCardPicture2(int tipIndex) = 0;
    virtual void setCardDescription(const std::string& text) = 0;

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
