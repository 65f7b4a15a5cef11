// Corvallo.exe: makes the platform adapters and the windows, hands them to
// the portable core and runs the message loop until the program ends.
#include <windows.h>

#include <commctrl.h>

#include "core/app/Program.h"
#include "core/model/SeededRandom.h"
#include "core/model/StartTraceLog.h"
#include "win32/AboutWindow.h"
#include "win32/IconStoreWindow.h"
#include "win32/MainWindow.h"
#include "win32/RegistrySettingsStore.h"
#include "win32/RegistryStartupEntry.h"
#include "win32/ShellBrowser.h"
#include "win32/StartTraceFile.h"
#include "win32/Win32Clock.h"
#include "win32/Win32CodePage.h"
#include "win32/Win32DateText.h"
#include "win32/Win32MessageDialog.h"
#include "win32/Win32Process.h"
#include "win32/Win32TrayIcon.h"

namespace {

// The start ends when the main window has painted and the queue has run dry
// for the first time: the window is then on screen and waiting for the user.
class StartEnd {
  public:
    explicit StartEnd(corvallo::StartTrace& trace) : trace_(trace) {}
    void dispatched(const MSG& msg, HWND mainWindow) {
        if (!painted_ && msg.message == WM_PAINT && msg.hwnd == mainWindow) {
            painted_ = true;
            trace_.reached("first paint");
        }
        if (painted_ && !idle_ && GetQueueStatus(QS_ALLINPUT) == 0) {
            idle_ = true;
            trace_.reached("idle");
        }
    }

  private:
    corvallo::StartTrace& trace_;
    bool painted_ = false;
    bool idle_ = false;
};

int runMessageLoop(corvallo::win32::MainWindow& mainWindow, corvallo::StartTrace& trace) {
    StartEnd startEnd(trace);
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) {
            return 1;
        }
        if (!mainWindow.translateDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        startEnd.dispatched(msg, mainWindow.window());
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace corvallo;

    StartTraceLog trace(win32::openStartTraceFile(), win32::millisecondsSinceProcessStart);
    trace.reached("wWinMain");
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);

    // No window exists before program.start() has asked the single-instance
    // guard: the main window is made on the view's first use, after it.
    Win32Process process;
    RegistrySettingsStore store(process.appName());
    Win32Clock clock;
    SeededRandom random;
    Win32DateText dateText;
    Win32CodePage codePage;
    ShellBrowser browser;
    RegistryStartupEntry startupEntry;
    Win32MessageDialog messages;

    win32::IconStoreWindow iconStore(instance);
    win32::MainWindow mainWindow(instance, iconStore);
    win32::AboutWindow aboutWindow(instance, mainWindow);
    win32::Win32TrayIcon trayIcon(mainWindow);

    const Ports ports{store,        clock,    random,   dateText, codePage, browser,
                      startupEntry, trayIcon, messages, process,  trace};
    const Views views{mainWindow, aboutWindow, iconStore};
    Program program(ports, views);
    mainWindow.attach(program, trayIcon);

    if (!program.start()) {
        return 0;
    }
    // From now on message boxes belong to the main window and keep it
    // disabled while they are open.
    messages.setOwner(mainWindow.window());
    return runMessageLoop(mainWindow, trace);
}
