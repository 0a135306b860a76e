#pragma once

// Readable text on the design's fixed colours, whatever the desktop's scheme.

#include "layout.h"

#include <algorithm>
#include <cmath>

namespace ui {

// WCAG 2's relative luminance of an sRGB colour, 0 (black) to 1 (white).
inline double luminance(Rgb c)
{
    const auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// WCAG 2's contrast ratio, 1 (none) to 21 (black on white).
inline double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// 3:1, WCAG's floor for what a control shows.
inline constexpr double kReadableContrast = 3.0;

// The colour for text on a face: the desktop's text colour when it stands out
// from the face at 3:1 or more, otherwise black or white, whichever stands out more.
inline Rgb textColourOn(Rgb face, Rgb desktopText)
{
    if (contrast(face, desktopText) >= kReadableContrast)
        return desktopText;
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    return contrast(face, black) >= contrast(face, white) ? black : white;
}

} // namespace ui
