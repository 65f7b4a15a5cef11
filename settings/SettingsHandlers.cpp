#include <stdexcept>

#include "app/Skip.h"
#include "settings/TextConversions.h"
#include "ui/FrmMain.h"

namespace corvallo {

// The display time and the tray check box are stored the moment they change.
void FrmMain::storeListChoice(ListId list, const char* key) {
    skipOnFailure([&] {
        const int index = view().listIndex(list);
        if (index < 0) {
            throw std::logic_error("no entry selected");
        }
        settings().write(key, view().listItem(list, index));
    });
}

void FrmMain::chkSysTray_Click() {
    skipOnFailure([&] { settings().write("RunAtSysTray", flagText(view().sysTrayValue() != 0)); });
}

void FrmMain::listChangedByUser(ListId list) {
    switch (list) {
        case ListId::Hour:
            cboHour_Click();
            break;
        case ListId::Minute:
            cboMinute_Click();
            break;
        case ListId::Second:
            cboSecond_Click();
            break;
        case ListId::Date:
        case ListId::Month:
        case ListId::Year:
            break;  // read only by the date check; no handler of their own
    }
}

void FrmMain::optionClickedByUser(OptionId option) {
    view().selectOption(option);
    option == OptionId::Run ? optRun_Click() : optDontRun_Click();
}

void FrmMain::selectListIndex(ListId list, int index) {
    if (view().listIndex(list) == index) {
        return;
    }
    view().setListIndex(list, index);
    listChangedByUser(list);
}

void FrmMain::setSysTrayValue(int value) {
    if (view().sysTrayValue() == value) {
        return;
    }
    view().setSysTrayValue(value);
    chkSysTray_Click();
}

void FrmMain::selectOption(OptionId option) {
    if (view().selectedOption() == option) {
        return;
    }
    optionClickedByUser(option);
}

}  // namespace corvallo
