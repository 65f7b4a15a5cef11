#include "linux/PngResource.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QStringList>
#include <stdexcept>

#include "linux/TipPixmaps.h"

namespace corvallo::qt {
namespace {

QStringList builtInPictures() {
    QStringList paths;
    for (const QString& folder : {QStringLiteral(":/tips"), QStringLiteral(":/icon")}) {
        QDirIterator pictures(folder, {QStringLiteral("*.png")});
        while (pictures.hasNext()) {
            paths << pictures.next();
        }
    }
    return paths;
}

// Every picture the program carries reads to the pixels Qt's own reader
// gives, so the windows look as they did when Qt decoded them.
TEST(PngResourceTest, EveryBuiltInPictureDecodesAsQtReadsIt) {
    const QStringList paths = builtInPictures();
    ASSERT_EQ(paths.size(), 65);  // 30 tips, each also at 2x, and 5 icon sizes
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QImage expected = QImage(path).convertToFormat(QImage::Format_ARGB32);
        const QImage decoded = decodePngResource(path);
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(decoded.format(), QImage::Format_ARGB32);
        EXPECT_EQ(decoded, expected);
    }
}

TEST(PngResourceTest, MissingOrDamagedPictureThrows) {
    EXPECT_THROW(static_cast<void>(decodePngResource(QStringLiteral(":/tips/tip31.png"))),
                 std::runtime_error);
    // A resource that is there but is no PNG picture.
    QDirIterator anyOther(QStringLiteral(":/qt-project.org"), QDir::Files,
                          QDirIterator::Subdirectories);
    while (anyOther.hasNext()) {
        const QString path = anyOther.next();
        if (!path.endsWith(QStringLiteral(".png"))) {
            EXPECT_THROW(static_cast<void>(decodePngResource(path)), std::runtime_error)
                << path.toStdString();
            return;
        }
    }
    GTEST_SKIP() << "Qt carries no resource that is not a PNG picture";
}

// The tip pictures at the sizes the windows ask for, against QIcon reading
// the picture file itself, which is how they were drawn before.
TEST(PngResourceTest, TipPicturesMatchQIconAtEverySize) {
    const struct {
        QSize size;
        qreal ratio;
    } cases[] = {{{100, 125}, 1.0},
                 {{80, 100}, 1.0},
                 {{100, 125}, 1.5},
                 {{100, 125}, 2.0},
                 {{150, 188}, 1.0}};
    for (const int tip : {1, 17, 30}) {
        const QString path = QStringLiteral(":/tips/tip%1.png").arg(tip, 2, 10, QLatin1Char('0'));
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << tip << " at " << c.size.width() << "x"
                                            << c.size.height() << " x" << c.ratio);
            const QPixmap expected = QIcon(path).pixmap(c.size, c.ratio);
            const QPixmap drawn = tipPixmap(tip, c.size, c.ratio);
            EXPECT_EQ(drawn.devicePixelRatio(), expected.devicePixelRatio());
            EXPECT_EQ(drawn.toImage(), expected.toImage());
        }
    }
}

}  // namespace
}  // namespace corvallo::qt
