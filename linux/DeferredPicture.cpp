#include "linux/DeferredPicture.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <stdexcept>

#include "core/model/TipCatalogue.h"
#include "linux/TipPixmaps.h"

namespace corvallo::qt {

// Until its first picture is painted, the label holds a blank one of its
// size, so that it is a picture from the start to screen readers as well.
DeferredPicture::DeferredPicture(QLabel& label) : QObject(&label), label_(label) {
    QPixmap blank(label.size());
    blank.fill(Qt::transparent);
    label.setPixmap(blank);
    label.installEventFilter(this);
}

void DeferredPicture::show(int tipIndex) {
    if (tipIndex < 1 || tipIndex > kTipCount) {
        throw std::out_of_range("tip picture index");
    }
    pending_ = tipIndex;
    label_.update();
}

// The label paints the new picture in the same paint: setPixmap only stores
// it and asks for another paint, which finds nothing pending.
bool DeferredPicture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &label_ && event->type() == QEvent::Paint && pending_ != 0) {
        const int tip = pending_;
        pending_ = 0;
        label_.setPixmap(tipPixmap(tip, label_.size(), label_.devicePixelRatioF()));
    }
    return false;
}

}  // namespace corvallo::qt
