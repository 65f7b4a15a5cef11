#include "settings/PanelSettings.h"

#include <string>

#include "settings/TextConversions.h"
#include "ui/FrmMain.h"

namespace corvallo::modMoonPhase {
namespace {

int indexOfItem(MainView& view, ListId list, const std::string& text) {
    const int count = view.listCount(list);
    for (int i = 0; i < count; ++i) {
        if (view.listItem(list, i) == text) {
            return i;
        }
    }
    throw ConversionError("'" + text + "' is not an entry of the list");
}

void selectStoredEntry(FrmMain& form, ListId list, const char* key) {
    form.selectListIndex(list, indexOfItem(form.view(), list, form.settings().read(key)));
}

}  // namespace

void SaveSettings(FrmMain& form) {
    Settings& settings = form.settings();
    settings.write("AutorunStartUp", flagText(form.view().selectedOption() == OptionId::Run));
    settings.write("SystemTray", flagText(form.view().sysTrayValue() != 0));
}

void LoadSettings(FrmMain& form) {
    const Settings& settings = form.settings();
    form.setSysTrayValue(isTrueFlag(settings.read("SystemTray", "False")) ? 1 : 0);
    const bool autorun = toBoolean(settings.read("AutorunStartUp", "False"));
    form.selectOption(autorun ? OptionId::Run : OptionId::DontRun);
    selectStoredEntry(form, ListId::Hour, "Hour");
    selectStoredEntry(form, ListId::Minute, "Minute");
    selectStoredEntry(form, ListId::Second, "Second");
}

}  // namespace corvallo::modMoonPhase
