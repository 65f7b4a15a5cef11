#include "linux/HighContrast.h"

#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace corvallo::qt {
namespace {

// Relative luminance as the WCAG define it, from sRGB.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

bool isHighContrast(const QPalette& palette) {
    const double window = luminance(palette.color(QPalette::Active, QPalette::Window));
    const double text = luminance(palette.color(QPalette::Active, QPalette::WindowText));
    const double ratio = (std::max(window, text) + 0.05) / (std::min(window, text) + 0.05);
    return ratio >= 19.5;
}

}  // namespace corvallo::qt
