#include "editor/gui/EditorFormLayout.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kx2 {

namespace {

// The form's measures are in twips: 1440 an inch, 15 a pixel at 96 pixels an inch.
constexpr int TwipsPerPixel = 15;
constexpr int FormLeast = 2000;
constexpr int GridLeft = 100;
constexpr int GridTop = 100;
constexpr int GridRightRoom = 350;
constexpr int AddressFrameGap = 100;
// The form's outer measures counted its borders and, in height, its title and menu bars too;
// the area under the menu bar that the grid lives in has none of them.
constexpr int FrameWidthTwips = 140;
constexpr int FrameHeightTwips = 890;

int pixels(int twips)
{
    return (twips * 2 + TwipsPerPixel) / (2 * TwipsPerPixel);
}

} // namespace

int editorFormLeast()
{
    return (FormLeast + TwipsPerPixel - 1) / TwipsPerPixel;
}

void placeEditorGrid(QWidget& grid, QWidget* addressFrame, QSize area, int bottomMargin)
{
    const int formWidth = area.width() * TwipsPerPixel + FrameWidthTwips;
    const int formHeight = area.height() * TwipsPerPixel + FrameHeightTwips;
    const int width = std::max(0, formWidth - GridRightRoom);
    const int height = std::max(0, formHeight - bottomMargin);
    grid.setGeometry(pixels(GridLeft), pixels(GridTop), pixels(width), pixels(height));
    if (addressFrame) {
        const QRect at = grid.geometry();
        addressFrame->move(at.right() + 1 - addressFrame->width(), at.bottom() + 1 + pixels(AddressFrameGap));
    }
}

bool fillsScreen(const QWidget& window)
{
    const QScreen* s = window.screen();
    if (!s)
        return false;
    const QRect avail = s->availableGeometry();
    const QRect frame = window.frameGeometry();
    return window.isMaximized() || (frame.width() >= avail.width() && frame.height() >= avail.height());
}

} // namespace kx2
