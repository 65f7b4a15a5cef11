#include "linux/IconStoreWindow.h"

#include <QWidget>
#include <stdexcept>

namespace corvallo::qt {

IconStoreWindow::IconStoreWindow() = default;
IconStoreWindow::~IconStoreWindow() = default;

QIcon IconStoreWindow::programIcon() {
    // The .ico holds every size from 16 to 256 pixels; Qt picks the nearest.
    return QIcon(QStringLiteral(":/corvallo.ico"));
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
