#pragma once

// Pictures compared as the eye would: pixel by pixel, within a tolerance.

#include <QColor>
#include <QImage>

#include <cstdlib>

namespace tesselo::testing {

// How many pixels of two pictures of one size differ by more than `tolerance`, the sum of
// their channels' differences, alpha included.
inline int PixelsApart(const QImage& a, const QImage& b, int tolerance) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                    std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha()) >
                tolerance)
                ++apart;
        }
    return apart;
}

} // namespace tesselo::testing
