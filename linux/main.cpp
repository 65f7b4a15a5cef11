// corvallo: the Linux program. Makes the Qt application and the program on
// it, and runs Qt's event loop until the program ends.
#include <QApplication>

#include "core/model/ProgramName.h"
#include "linux/Application.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(corvallo::kAppTitle));
    QApplication::setDesktopFileName(QStringLiteral("corvallo"));
    // Hidden in the notification area the program has no visible window, and
    // it must go on running.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(corvallo::qt::IconStoreWindow::programIcon());

    corvallo::qt::Application corvallo(argc, argv, [] { QCoreApplication::exit(0); });
    if (!corvallo.start()) {
        return 0;
    }
    return QApplication::exec();
}
