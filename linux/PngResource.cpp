#include "linux/PngResource.h"

#include <png.h>

#include <QResource>
#include <QSysInfo>
#include <stdexcept>
#include <string>

namespace corvallo::qt {
namespace {

// One picture resource being read: its header when made, its pixels on
// decode(). libpng keeps pointers into the data, so the object keeps it too,
// and frees what libpng holds when the reading ends, either way.
class PngReading {
  public:
    explicit PngReading(const QString& path) : path_(path.toStdString()) {
        const QResource resource(path);
        if (!resource.isValid()) {
            throw std::runtime_error("no picture " + path_);
        }
        data_ = resource.uncompressedData();
        picture_.version = PNG_IMAGE_VERSION;
        if (png_image_begin_read_from_memory(&picture_, data_.constData(),
                                             static_cast<png_size_t>(data_.size())) == 0) {
            throw std::runtime_error(path_ + ": " + picture_.message);
        }
    }
    ~PngReading() { png_image_free(&picture_); }
    PngReading(const PngReading&) = delete;
    PngReading& operator=(const PngReading&) = delete;

    [[nodiscard]] QSize size() const {
        return {static_cast<int>(picture_.width), static_cast<int>(picture_.height)};
    }

    QImage decode() {
        // QImage::Format_ARGB32 holds each pixel as one 32-bit word
        // 0xAARRGGBB, whose bytes lie in memory in the machine's byte order.
        picture_.format =
            QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
        QImage image(size(), QImage::Format_ARGB32);
        if (image.isNull()) {
            throw std::runtime_error("no memory for picture " + path_);
        }
        if (png_image_finish_read(&picture_, nullptr, image.bits(),
                                  static_cast<png_int_32>(image.bytesPerLine()), nullptr) == 0) {
            throw std::runtime_error(path_ + ": " + picture_.message);
        }
        return image;
    }

  private:
    std::string path_;
    QByteArray data_;
    png_image picture_{};
};

}  // namespace

QImage decodePngResource(const QString& path) {
    return PngReading(path).decode();
}

QSize pngResourceSize(const QString& path) {
    return PngReading(path).size();
}

}  // namespace corvallo::qt
