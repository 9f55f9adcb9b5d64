#pragma once
#include "shell/UnsavedChanges.h"

#include <QColor>
#include <QPalette>
#include <optional>

namespace kx2 {

// The colours the program paints itself, taken from the palette in use so that they read on a
// light desktop as on a dark one: each background comes with the text colour drawn on it.

// Contrast of two colours as the accessibility guidelines count it (1 to 21; 4.5 reads well).
double contrastRatio(const QColor& a, const QColor& b);

// `wanted` on `background`, or black or white, whichever reads better, where `wanted` reads poorly.
QColor readableText(const QColor& background, const QColor& wanted);

struct PaintedColours {
    QColor background;
    QColor text;
    // The strong bar at a marked line's left.
    QColor bar;
};

// A marked line's cells: the mark's colour laid lightly over the palette's base. None unmarked.
std::optional<PaintedColours> markColours(RecordMark mark, const QPalette& palette);
// The find line that found nothing.
PaintedColours notFoundColours(const QPalette& palette);
// The tile a symbol picture lies on: its own white paper, with a frame that sets it off a dark grid.
PaintedColours pictureTileColours(const QPalette& palette);

} // namespace kx2
