#pragma once

#include <windows.h>

#include <array>

namespace corvallo::win32 {

// The 30 tip pictures, decoded from the PNG data embedded in the executable
// (RCDATA IDR_TIP_BASE + k and IDR_TIP2X_BASE + k) into bitmaps of the size
// the picture boxes have at the current DPI. Bitmaps are made on first use
// and kept until the size changes; the object owns them.
class TipPictures {
  public:
    explicit TipPictures(HINSTANCE instance) : instance_(instance) {}
    ~TipPictures();
    TipPictures(const TipPictures&) = delete;
    TipPictures& operator=(const TipPictures&) = delete;

    // The picture of tip 1 to 30 at `width` x `height` pixels. Throws
    // std::out_of_range for another index and PlatformError when the picture
    // cannot be decoded.
    [[nodiscard]] HBITMAP picture(int tipIndex, int width, int height);

  private:
    void clear();

    HINSTANCE instance_;
    int width_ = 0;
    int height_ = 0;
    std::array<HBITMAP, 30> bitmaps_{};
};

}  // namespace corvallo::win32
