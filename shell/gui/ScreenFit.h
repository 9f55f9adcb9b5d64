#pragma once
#include <QObject>
#include <QRect>
#include <optional>

class QWidget;

namespace kx2 {

// Keeps every window the program opens within its screen's room for windows: one made or
// remembered larger than a small screen is shrunk to fit as it is shown, so that its buttons and
// scroll bars stay in reach, and one that sticks out is moved in.
class ScreenFit : public QObject {
public:
    // Watches every window of the application from now on, until it is destroyed.
    explicit ScreenFit(QObject* parent = nullptr);

    // Windows keep within `area` rather than within their screen's room (a smaller screen than
    // the one at hand).
    void setArea(const QRect& area) { m_area = area; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QRect> m_area;
};

// A window's frame made no larger than `area` and moved into it.
QRect fittedFrame(const QRect& frame, const QRect& area);
// The window, frame and all, within `area`.
void fitWindowInto(QWidget& window, const QRect& area);

} // namespace kx2
