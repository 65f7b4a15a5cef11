#include "linux/AboutWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "core/app/Steps.h"
#include "core/views/ControlNames.h"
#include "core/views/Routes.h"
#include "linux/IconStoreWindow.h"
#include "linux/LayoutWidgets.h"
#include "linux/MainWindow.h"
#include "linux/WindowSystem.h"

namespace corvallo::qt {

AboutWindow::~AboutWindow() = default;

void AboutWindow::showModal(const std::function<void(AboutAction)>& perform) {
    const layout::Window& layout = layout::aboutWindow();
    dialog_ = std::make_unique<QDialog>(mainWindow_.window(), Qt::Dialog | Qt::WindowTitleHint |
                                                                  Qt::WindowCloseButtonHint |
                                                                  Qt::MSWindowsFixedSizeDialogHint);
    QDialog& dialog = *dialog_;
    dialog.setObjectName(QStringLiteral("frmAbout"));
    dialog.setWindowTitle(QString::fromStdString(layout.caption));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowIcon(IconStoreWindow::programIcon());
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, colourFor(layout.background));
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    dialog.setFont(fontFor(layout.font));
    dialog.setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));

    LayoutWidgets widgets(layout);
    widgets.create(&dialog);
    auto* ok = widgets.get<QPushButton>(names::kAboutOkButton);
    ok->setDefault(true);
    ok->setFocus();
    auto run = [&perform](AboutAction action) { attempt([&] { perform(action); }); };
    for (const Route<AboutAction>& route : kAboutRoutes) {
        connectClick(widgets.widget(route.name), [run, action = route.action] { run(action); });
    }
    // Esc and the close box press "&OK" too.
    constexpr std::optional<AboutAction> pressOk = routeOf(kAboutRoutes, names::kAboutOkButton);
    static_assert(pressOk.has_value());
    QObject::connect(&dialog, &QDialog::rejected, [run, action = *pressOk] { run(action); });
    auto* icon = widgets.get<QLabel>(names::kAboutIcon);
    icon->setPixmap(IconStoreWindow::programIcon().pixmap(32, 32));

    // Centred on the screen, as the main window is, where the window system
    // lets the program place it. Left to Qt, a dialog goes
    // over its parent's centre by a guess at the window frame, which misses
    // by tens of pixels where the frame is not what Qt guessed.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (programPlacesWindows() && screen != nullptr) {
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
    dialog.exec();
    dialog_.reset();
}

// Ends the dialog's modal loop; showModal destroys it once the loop returns.
// A dialog that is already closing is hidden by then and left alone.
void AboutWindow::close() {
    if (dialog_ && !dialog_->isHidden()) {
        dialog_->done(QDialog::Accepted);
    }
}

}  // namespace corvallo::qt
