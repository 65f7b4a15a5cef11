#include "linux/IconStoreWindow.h"

#include <QWidget>
#include <stdexcept>

#include "linux/PngResource.h"

namespace corvallo::qt {

IconStoreWindow::IconStoreWindow() = default;
IconStoreWindow::~IconStoreWindow() = default;

// One icon for the whole program, made once; a QIcon is shared, not copied.
// Each size is a small picture of its own (16 to 48 pixels), rather than all
// sizes of an .ico at every use. The sizes are those of window decorations,
// task bars and notification areas; Qt scales the nearest one for any other.
// Larger views (menus of applications, task switchers) take the desktop's
// themed icon, which the package installs.
QIcon IconStoreWindow::programIcon() {
    static const QIcon icon = [] {
        QIcon sizes;
        for (const int size : {16, 22, 24, 32, 48}) {
            sizes.addPixmap(QPixmap::fromImage(
                decodePngResource(QStringLiteral(":/icon/corvallo-%1.png").arg(size))));
        }
        return sizes;
    }();
    return icon;
}

void IconStoreWindow::load() {
    window_ = std::make_unique<QWidget>(nullptr, Qt::Tool);
    window_->setObjectName(QStringLiteral("frmDisplay"));
    window_->setWindowTitle(QStringLiteral("frmDisplay"));
    icons_.clear();
    const QIcon icon = programIcon();
    for (int i = 0; i < kIconCount; ++i) {
        icons_.append(icon);
    }
}

// A see-through background, where the window system composites. The window
// is never shown, so nothing else depends on it.
void IconStoreWindow::makeTransparent() {
    if (!window_) {
        throw std::logic_error("icon store not loaded");
    }
    window_->setAttribute(Qt::WA_TranslucentBackground);
}

void IconStoreWindow::close() {
    window_.reset();
    icons_.clear();
}

QIcon IconStoreWindow::icon(int position) const {
    if (!window_ || position < 1 || position > icons_.size()) {
        throw std::out_of_range("icon store position");
    }
    return icons_[position - 1];
}

}  // namespace corvallo::qt
