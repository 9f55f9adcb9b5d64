#include "shell/gui/ScreenFit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kx2 {

namespace {

// A window system tells its frame only once the window is on the screen; until then one is
// counted as a usual title bar and border take.
const QMargins kUsualFrame(8, 32, 8, 8);

QMargins frameOf(const QWidget& window)
{
    if (window.windowFlags() & Qt::FramelessWindowHint)
        return {};
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    return known.isNull() ? kUsualFrame : known;
}

bool isFittedWindow(const QWidget& widget)
{
    if (!widget.isWindow())
        return false;
    switch (widget.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
        return true;
    default:
        return false;
    }
}

} // namespace

ScreenFit::ScreenFit(QObject* parent)
    : QObject(parent)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

QRect fittedFrame(const QRect& frame, const QRect& area)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

void fitWindowInto(QWidget& window, const QRect& area)
{
    const QMargins frame = frameOf(window);
    const QRect outer = window.geometry().marginsAdded(frame);
    const QRect fitted = fittedFrame(outer, area);
    if (fitted.size() != outer.size())
        window.resize(fitted.marginsRemoved(frame).size().expandedTo(window.minimumSize()));
    // A window the window system places itself is left to it, unless it had to shrink.
    if ((window.testAttribute(Qt::WA_Moved) || fitted.size() != outer.size()) && fitted.topLeft() != outer.topLeft())
        window.move(fitted.topLeft());
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (isFittedWindow(*window) && !window->isMaximized() && !window->isFullScreen()) {
            const QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center());
            if (!screen)
                screen = window->screen();
            if (m_area)
                fitWindowInto(*window, *m_area);
            else if (screen)
                fitWindowInto(*window, screen->availableGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kx2
