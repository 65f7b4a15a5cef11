#pragma once

#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/DateText.h"
#include "platform/MessageDialog.h"
#include "platform/Process.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "platform/StartupEntry.h"
#include "platform/TrayIcon.h"
#include "ui/AboutView.h"
#include "ui/IconStoreView.h"
#include "ui/MainView.h"

namespace corvallo {

// Everything the program reaches outside itself. The front-end owns the
// objects; they must outlive the Program that uses them.
struct Ports {
    SettingsStore& store;
    Clock& clock;
    RandomSource& random;
    DateText& dateText;
    CodePage& codePage;
    Browser& browser;
    StartupEntry& startupEntry;
    TrayIcon& trayIcon;
    MessageDialog& messages;
    Process& process;
};

// The program's windows as passive views.
struct Views {
    MainView& main;
    AboutView& about;
    IconStoreView& iconStore;
};

}  // namespace corvallo
