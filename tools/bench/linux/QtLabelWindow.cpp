// The smallest Qt 6 Widgets program that shows a line of text: a window with
// one label. Measured beside the bare window (MinimalQtWindow.cpp), it shows
// what the first text alone costs a Qt program: the font configuration,
// FreeType and HarfBuzz, which the bare window never starts.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("One line of text"));
    window.setWindowTitle(QStringLiteral("Qt window with one label"));
    window.resize(474, 488);
    window.show();
    return application.exec();
}
