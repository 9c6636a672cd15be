#include "toolkit/DialogUnits.h"

#include <QFontMetrics>

#include <cstdint>
#include <limits>

CBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    // The width of the whole alphabet over 52 letters, rounded: a single glyph's average
    // width (averageCharWidth) gives other, font-dependent results.
    const int cx = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(cx / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    // |a * b| <= 2^62, so neither the product nor the rounding can overflow 64 bits.
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t magnitude = product < 0 ? -product : product;
    const int64_t divisor = c < 0 ? -static_cast<int64_t>(c) : c;
    int64_t quotient = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (c < 0)) {
        quotient = -quotient;
    }
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max()) {
        return -1;
    }
    return static_cast<int>(quotient);
}

QRect DialogToPixels(int x, int y, int w, int h, CBaseUnits units) {
    return {MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(w, units.cx, 4),
            MulDiv(h, units.cy, 8)};
}
