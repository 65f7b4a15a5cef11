#pragma once

#include "core/ports/Browser.h"
#include "core/ports/Clock.h"
#include "core/ports/CodePage.h"
#include "core/ports/DateText.h"
#include "core/ports/MessageDialog.h"
#include "core/ports/Process.h"
#include "core/ports/RandomSource.h"
#include "core/ports/SettingsStore.h"
#include "core/ports/StartTrace.h"
#include "core/ports/StartupEntry.h"
#include "core/ports/TrayIcon.h"
#include "core/views/AboutView.h"
#include "core/views/IconStoreView.h"
#include "core/views/MainView.h"

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
    StartTrace& trace;
};

// The program's windows as passive views.
struct Views {
    MainView& main;
    AboutView& about;
    IconStoreView& iconStore;
};

}  // namespace corvallo
