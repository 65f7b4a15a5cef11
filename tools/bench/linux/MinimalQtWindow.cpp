// The smallest Qt 6 Widgets program with a window: the baseline that
// tools/benchmark-linux.sh measures corvallo against.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.show();
    return application.exec();
}
