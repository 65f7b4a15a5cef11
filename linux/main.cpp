// corvallo: the Linux program. Makes the Qt application and the program on
// it, and runs Qt's event loop until the program ends.
#include <QApplication>

#include "core/model/ProgramName.h"
#include "core/model/StartTraceLog.h"
#include "linux/Application.h"
#include "linux/FontConfigWarmUp.h"
#include "linux/StartTraceFile.h"

int main(int argc, char** argv) {
    corvallo::StartTraceLog trace(corvallo::qt::openStartTraceFile(),
                                  corvallo::qt::millisecondsSinceProcessStart);
    trace.reached("main");
    corvallo::qt::FontConfigWarmUp fontConfiguration;
    QApplication application(argc, argv);
    fontConfiguration.join();
    trace.reached("QApplication");
    QApplication::setApplicationName(QString::fromUtf8(corvallo::kAppTitle));
    QApplication::setDesktopFileName(QStringLiteral("corvallo"));
    // Hidden in the notification area the program has no visible window, and
    // it must go on running.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(corvallo::qt::IconStoreWindow::programIcon());

    corvallo::qt::Application corvallo(
        argc, argv, [] { QCoreApplication::exit(0); }, trace);
    trace.reached("adapters and windows made");
    if (!corvallo.start()) {
        return 0;
    }
    corvallo::qt::traceFirstPaint(*corvallo.mainWindow().window(), trace);
    return QApplication::exec();
}
