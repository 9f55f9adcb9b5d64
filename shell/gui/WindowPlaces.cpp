#include "shell/gui/WindowPlaces.h"

#include "shell/RememberedPlaces.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>

namespace kx2 {

namespace {

// The primary screen first: a window lost off every screen comes back there.
QList<QRect> screenAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

void placeAt(QWidget* window, const QRect& place)
{
    window->resize(place.size().expandedTo(window->minimumSize()));
    window->move(place.topLeft());
}

} // namespace

WindowPlaces::WindowPlaces(RememberedPlaces& places, QObject* parent)
    : QObject(parent)
    , m_places(places)
{
}

void WindowPlaces::keep(QWidget* window)
{
    // The whole geometry, frame included, as the window system gave it: a place taken inside the
    // frame and put back as the frame's would move the window down by its title bar at each start.
    const QByteArray geometry = m_places.windowGeometry(window->objectName());
    if (!geometry.isEmpty() && window->restoreGeometry(geometry)) {
        // The screens may have changed since; Qt moves a window only onto the screen it was on.
        const QRect onScreen = keptOnScreen(window->geometry(), screenAreas());
        if (onScreen != window->geometry())
            placeAt(window, onScreen);
    } else if (const std::optional<QRect> place = m_places.windowPlace(window->objectName())) {
        placeAt(window, keptOnScreen(*place, screenAreas()));
    }
    m_windows.emplace_back(window);
    window->installEventFilter(this);
}

void WindowPlaces::keepColumns(QTableWidget* grid)
{
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this, grid](int, int, int) {
        // Only what the user drags: a rebuild sets the design widths, which are no choice.
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            return;
        QList<int> widths;
        for (int col = 0; col < grid->columnCount(); ++col)
            widths.append(grid->columnWidth(col));
        m_places.setColumnWidths(grid->objectName(), widths);
    });
}

void WindowPlaces::restoreColumns(QTableWidget* grid) const
{
    const QList<int> widths = m_places.columnWidths(grid->objectName());
    // Widths of another layout (the route editor's columns change with its view) are not used.
    if (widths.size() != grid->columnCount())
        return;
    for (int col = 0; col < grid->columnCount(); ++col)
        if (widths[col] > 0 && !grid->isColumnHidden(col))
            grid->setColumnWidth(col, widths[col]);
}

void WindowPlaces::rememberWindow(QWidget* window)
{
    // The geometry of a maximised window holds its size before, which it takes when the user
    // restores it; a minimised one has no place to keep.
    if (window->isVisible() && !window->isMinimized())
        m_places.setWindowGeometry(window->objectName(), window->saveGeometry());
}

void WindowPlaces::rememberAll()
{
    for (const QPointer<QWidget>& window : m_windows)
        if (window)
            rememberWindow(window);
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Close:
        rememberWindow(static_cast<QWidget*>(watched));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kx2
