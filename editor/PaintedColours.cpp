#include "editor/PaintedColours.h"

#include <algorithm>
#include <cmath>

namespace kx2 {

namespace {

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

// `share` of `over` laid on `base`.
QColor blend(const QColor& base, const QColor& over, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    const QColor b = base.toRgb();
    const QColor o = over.toRgb();
    return QColor(mix(b.red(), o.red()), mix(b.green(), o.green()), mix(b.blue(), o.blue()));
}

constexpr double kReadable = 4.5;
// How strongly a mark's colour shows through the base of a marked line.
constexpr double kMarkShare = 0.28;

PaintedColours tinted(const QPalette& palette, const QColor& hue)
{
    const QColor background = blend(palette.color(QPalette::Base), hue, kMarkShare);
    return {background, readableText(background, palette.color(QPalette::Text)), hue};
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableText(const QColor& background, const QColor& wanted)
{
    if (contrastRatio(background, wanted) >= kReadable)
        return wanted;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

std::optional<PaintedColours> markColours(RecordMark mark, const QPalette& palette)
{
    switch (mark) {
    case RecordMark::Changed:
        return tinted(palette, QColor(230, 140, 0));
    case RecordMark::New:
        return tinted(palette, QColor(30, 150, 60));
    case RecordMark::Deleted:
        return tinted(palette, QColor(200, 40, 40));
    case RecordMark::None:
        break;
    }
    return std::nullopt;
}

PaintedColours notFoundColours(const QPalette& palette)
{
    return tinted(palette, QColor(220, 40, 40));
}

PaintedColours pictureTileColours(const QPalette& palette)
{
    const QColor paper(Qt::white);
    // On a light grid the tile needs no frame of its own; on a dark one the palette's mid tone frames it.
    const bool dark = luminance(palette.color(QPalette::Base)) < 0.4;
    return {paper, QColor(Qt::black), dark ? palette.color(QPalette::Mid) : paper};
}

} // namespace kx2
