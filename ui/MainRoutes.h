#pragma once

#include <string_view>

#include "ui/FrmMain.h"

namespace corvallo {

// Which FrmMain handler a control or menu item of the main window runs, by
// the control's name in the layout description. A front-end that finds its
// widgets by those names wires them from these tables.
struct HandlerRoute {
    std::string_view name;
    void (FrmMain::*handler)();
};

// Menu items, the popup menu's included.
inline constexpr HandlerRoute kMenuRoutes[] = {
    {"mnuCalculateMoonPhase", &FrmMain::mnuCalculateMoonPhase_Click},
    {"mnuExit", &FrmMain::mnuExit_Click},
    {"mnuSettings", &FrmMain::mnuSettings_Click},
    {"mnuOnline", &FrmMain::mnuOnline_Click},
    {"mnuVisit", &FrmMain::mnuVisit_Click},
    {"mnuUpdate", &FrmMain::mnuUpdate_Click},
    {"mnuAbout", &FrmMain::mnuAbout_Click},
    {"mnuDonate", &FrmMain::mnuDonate_Click},
    {"mnuMakeMoney", &FrmMain::mnuMakeMoney_Click},
    {"mnuPop", &FrmMain::mnuPop_Click},
    {"mnuExit1", &FrmMain::mnuExit1_Click},
};

// Buttons and links.
inline constexpr HandlerRoute kClickRoutes[] = {
    {"Label61", &FrmMain::Label61_Click},
    {"lblCobrand", &FrmMain::lblCobrand_Click},
    {"lblFullBrand", &FrmMain::lblFullBrand_Click},
    {"cmdExit", &FrmMain::cmdExit_Click},
    {"cmdSettings", &FrmMain::cmdSettings_Click},
    {"cmdCalculateMoonPhase", &FrmMain::cmdCalculateMoonPhase_Click},
};

// The lists, by control name.
struct ListName {
    ListId list;
    std::string_view name;
};
inline constexpr ListName kListNames[] = {
    {ListId::Date, "cboDate"}, {ListId::Month, "cboMonth"},   {ListId::Year, "cboYear"},
    {ListId::Hour, "cboHour"}, {ListId::Minute, "cboMinute"}, {ListId::Second, "cboSecond"},
};

// The lists the user can pick from; the date lists are never shown.
inline constexpr ListId kUserLists[] = {ListId::Hour, ListId::Minute, ListId::Second};

[[nodiscard]] constexpr std::string_view listName(ListId list) {
    for (const ListName& entry : kListNames) {
        if (entry.list == list) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace corvallo
