#include "win32/PictureScaling.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace corvallo::win32 {
namespace {

// Which old samples one new sample covers along one axis, with their weights.
struct Span {
    int first = 0;
    std::vector<double> weights;
};

// New sample k of `to` covers [k, k + 1) * from / to of the old axis.
std::vector<Span> spans(int from, int to) {
    std::vector<Span> result(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int k = 0; k < to; ++k) {
        const double start = k * step;
        const double end = start + step;
        Span& span = result[static_cast<std::size_t>(k)];
        span.first = static_cast<int>(std::floor(start));
        const int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int i = span.first; i <= last; ++i) {
            const double covered = std::min(end, i + 1.0) - std::max(start, static_cast<double>(i));
            span.weights.push_back(covered / step);
        }
    }
    return result;
}

}  // namespace

Pixels overBlack(const Pixels& rgba) {
    if (rgba.channels != 4) {
        throw std::invalid_argument("picture without alpha");
    }
    Pixels rgb{rgba.width, rgba.height, 3, {}};
    rgb.samples.reserve(static_cast<std::size_t>(rgba.width) * rgba.height * 3);
    for (std::size_t i = 0; i + 3 < rgba.samples.size(); i += 4) {
        const unsigned alpha = rgba.samples[i + 3];
        for (std::size_t c = 0; c < 3; ++c) {
            // Rounded: 255 * 255 / 255 stays 255.
            rgb.samples.push_back(
                static_cast<std::uint8_t>((rgba.samples[i + c] * alpha + 127) / 255));
        }
    }
    return rgb;
}

Pixels scaledByArea(const Pixels& source, int width, int height) {
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) {
        throw std::invalid_argument("empty picture");
    }
    // At its own size a picture is used as it is, with no buffer for the
    // sums: that is every picture at 100 % and 200 %.
    if (width == source.width && height == source.height) {
        return source;
    }
    const int channels = source.channels;
    const auto across = spans(source.width, width);
    const auto down = spans(source.height, height);
    // Rows first, then columns, each new sample a weighted sum of old ones.
    std::vector<double> rows(static_cast<std::size_t>(width) * source.height * channels);
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Span& span = across[static_cast<std::size_t>(x)];
            for (int c = 0; c < channels; ++c) {
                double sum = 0;
                for (std::size_t i = 0; i < span.weights.size(); ++i) {
                    const auto old =
                        (static_cast<std::size_t>(y) * source.width + span.first + i) * channels +
                        c;
                    sum += span.weights[i] * source.samples[old];
                }
                rows[(static_cast<std::size_t>(y) * width + x) * channels + c] = sum;
            }
        }
    }
    Pixels result{width, height, channels, {}};
    result.samples.resize(static_cast<std::size_t>(width) * height * channels);
    for (int y = 0; y < height; ++y) {
        const Span& span = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < channels; ++c) {
                double sum = 0;
                for (std::size_t i = 0; i < span.weights.size(); ++i) {
                    sum += span.weights[i] * rows[((span.first + i) * width + x) * channels + c];
                }
                result.samples[(static_cast<std::size_t>(y) * width + x) * channels + c] =
                    static_cast<std::uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
            }
        }
    }
    return result;
}

}  // namespace corvallo::win32
