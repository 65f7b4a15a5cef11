#include "linux/TipPixmaps.h"

#include <QGuiApplication>
#include <QIcon>
#include <stdexcept>

#include "core/model/TipCatalogue.h"
#include "linux/PngResource.h"

namespace corvallo::qt {

QPixmap tipPixmap(int tipIndex, QSize size, qreal devicePixelRatio) {
    if (tipIndex < 1 || tipIndex > kTipCount) {
        throw std::out_of_range("tip picture index");
    }
    const QString name = QStringLiteral(":/tips/tip%1").arg(tipIndex, 2, 10, QLatin1Char('0'));
    // Only the picture that is drawn is decoded: the plain one, or the 2x
    // one where the screens are scaled above 100 % and the plain one has
    // fewer pixels than the size asks for on this screen. That is the choice
    // QIcon makes between a picture and its @2x version, and the icon below
    // scales the chosen one as it always has.
    const QString plain = name + QStringLiteral(".png");
    const auto area = [](QSize pixels) { return pixels.width() * pixels.height(); };
    const bool twice = qGuiApp->devicePixelRatio() > 1.0 &&
                       area(pngResourceSize(plain)) < area(size * devicePixelRatio);
    const QImage picture = decodePngResource(twice ? name + QStringLiteral("@2x.png") : plain);
    return QIcon(QPixmap::fromImage(picture)).pixmap(size, devicePixelRatio);
}

}  // namespace corvallo::qt
