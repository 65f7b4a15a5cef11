#include "linux/PngResource.h"

#include <png.h>

#include <QResource>
#include <QSysInfo>
#include <stdexcept>
#include <string>

namespace corvallo::qt {
namespace {

// Frees what libpng holds for a picture when the reading ends, either way.
class PngReading {
  public:
    PngReading() { picture_.version = PNG_IMAGE_VERSION; }
    ~PngReading() { png_image_free(&picture_); }
    PngReading(const PngReading&) = delete;
    PngReading& operator=(const PngReading&) = delete;

    png_image& picture() { return picture_; }

  private:
    png_image picture_{};
};

}  // namespace

QImage decodePngResource(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) {
        throw std::runtime_error("no picture " + path.toStdString());
    }
    const QByteArray data = resource.uncompressedData();
    PngReading reading;
    png_image& picture = reading.picture();
    if (png_image_begin_read_from_memory(&picture, data.constData(),
                                         static_cast<png_size_t>(data.size())) == 0) {
        throw std::runtime_error(path.toStdString() + ": " + picture.message);
    }
    // QImage::Format_ARGB32 holds each pixel as one 32-bit word 0xAARRGGBB,
    // whose bytes lie in memory in the machine's byte order.
    picture.format =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(picture.width), static_cast<int>(picture.height),
                 QImage::Format_ARGB32);
    if (image.isNull()) {
        throw std::runtime_error("no memory for picture " + path.toStdString());
    }
    if (png_image_finish_read(&picture, nullptr, image.bits(),
                              static_cast<png_int_32>(image.bytesPerLine()), nullptr) == 0) {
        throw std::runtime_error(path.toStdString() + ": " + picture.message);
    }
    return image;
}

}  // namespace corvallo::qt
