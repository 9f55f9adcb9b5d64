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

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

WindowPlaces::WindowPlaces(RememberedPlaces& places, QObject* parent)
    : QObject(parent)
    , m_places(places)
{
}

void WindowPlaces::keep(QWidget* window)
{
    if (const std::optional<QRect> place = m_places.windowPlace(window->objectName())) {
        const QRect onScreen = keptOnScreen(*place, screenAreas());
        window->resize(onScreen.size().expandedTo(window->minimumSize()));
        window->move(onScreen.topLeft());
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
    // A maximised window is remembered as it was before, so that it opens at a size of its own.
    if (window->isVisible() && !window->isMaximized() && !window->isMinimized() && !window->isFullScreen())
        m_places.setWindowPlace(window->objectName(), window->geometry());
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
