#pragma once

#include <cstdint>
#include <vector>

namespace corvallo::win32 {

// A picture as rows of 8-bit samples, `channels` to a pixel, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<std::uint8_t> samples;
};

// RGBA with straight alpha, laid over black: each colour times its alpha, and
// the alpha dropped. The picture boxes stand on black, so a transparent
// corner shows as the box around it.
[[nodiscard]] Pixels overBlack(const Pixels& rgba);

// The picture at `width` x `height`: each new pixel is the average of the
// old pixels it covers, weighted by how much of each it covers, so that a
// picture made smaller keeps every detail's share of the colour and one made
// larger stays smooth. Any number of channels.
[[nodiscard]] Pixels scaledByArea(const Pixels& source, int width, int height);

}  // namespace corvallo::win32
