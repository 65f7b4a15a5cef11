#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace corvallo::qt {

// A PNG picture built into the program (a Qt resource such as
// ":/tips/tip01.png"), decoded with libpng, the library Qt reads PNG files
// with, into a QImage of the format Qt's own reader gives (ARGB32, not
// premultiplied). Qt's QImageReader asks every image format plugin installed
// on the machine whether it reads PNG before it uses its own reader, so its
// first use loads them all (JPEG, GIF, ICO and their libraries): 5 % of a
// start spent on pictures the program never shows. Throws std::runtime_error
// when the resource is missing or is not a PNG picture.
[[nodiscard]] QImage decodePngResource(const QString& path);

// The size in pixels of such a picture, read from its header alone; throws
// as decodePngResource does.
[[nodiscard]] QSize pngResourceSize(const QString& path);

}  // namespace corvallo::qt
