#include "linux/TipPixmaps.h"

#include <QIcon>
#include <stdexcept>

#include "core/model/TipCatalogue.h"

namespace corvallo::qt {

QPixmap tipPixmap(int tipIndex, QSize size, qreal devicePixelRatio) {
    if (tipIndex < 1 || tipIndex > kTipCount) {
        throw std::out_of_range("tip picture index");
    }
    // QIcon finds tipNN@2x.png next to tipNN.png and uses it where the
    // screen's scale asks for more pixels than the plain picture has.
    const QIcon picture(QStringLiteral(":/tips/tip%1.png").arg(tipIndex, 2, 10, QLatin1Char('0')));
    return picture.pixmap(size, devicePixelRatio);
}

}  // namespace corvallo::qt
