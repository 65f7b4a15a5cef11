#include "linux/WindowSystem.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

namespace corvallo::qt {

// Qt's Wayland platforms are "wayland" and its variants ("wayland-egl").
bool programPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Under Wayland a move would be dropped by the compositor; the window keeps
// the place the compositor gives it.
void centreOnScreen(QWidget& window) {
    if (!programPlacesWindows()) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        throw std::runtime_error("no screen");
    }
    const QRect available = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void showInFront(QWidget& window) {
    const bool placed = programPlacesWindows();
    // A Wayland compositor does not tell the program that it minimised the
    // window, so any window not in use may be minimised or buried.
    if (!placed && window.isVisible() && !window.isActiveWindow()) {
        window.hide();
    }
    // A window hidden while minimised keeps that state in Qt, and X maps it
    // iconic; a showNormal() right after the show() is then undone once the
    // map arrives. So the state is cleared before the show.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    // Qt's Wayland platform warns on every activation request that the
    // compositor cannot grant, so none is made there.
    if (placed) {
        window.raise();
        window.activateWindow();
    } else {
        QApplication::alert(&window);
    }
}

}  // namespace corvallo::qt
