#include "look/markcolours.h"

#include <algorithm>
#include <cmath>

namespace markcolours {

namespace {
double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

MarkColours forLine(const QColor &lineColour)
{
    // 7:1 rather than the least 4.5:1, so that thin strokes of small letters stay clear.
    constexpr double kWanted = 7.0;
    const QColor letters(Qt::black);
    QColor mark = lineColour.toRgb();
    for (int step = 1; step <= 20 && contrastRatio(letters, mark) < kWanted; ++step) {
        const double white = step / 20.0;
        auto mix = [white](int v) { return int(std::lround(v + (255 - v) * white)); };
        const QColor base = lineColour.toRgb();
        mark = QColor(mix(base.red()), mix(base.green()), mix(base.blue()));
    }
    return {letters, mark};
}

} // namespace markcolours
