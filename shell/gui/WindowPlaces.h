#pragma once
#include <QObject>
#include <QPointer>
#include <vector>

class QTableWidget;
class QWidget;

namespace kx2 {

class RememberedPlaces;

// The keeper of window state: puts each window it keeps where the user left it at the last run
// (moved onto a screen when the screens changed since) and remembers where it goes; keeps the
// column widths the user drags in a grid.
class WindowPlaces : public QObject {
    Q_OBJECT
public:
    explicit WindowPlaces(RememberedPlaces& places, QObject* parent = nullptr);

    // The window, known by its object name, goes to its remembered place now.
    void keep(QWidget* window);
    // The widths the user dragged in this grid, known by its object name, are remembered; the
    // grid takes them back with restoreColumns (after each rebuild, which sets its design widths).
    void keepColumns(QTableWidget* grid);
    void restoreColumns(QTableWidget* grid) const;

    // What the windows and grids kept look like now goes into the store.
    void rememberAll();

    RememberedPlaces& places() { return m_places; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rememberWindow(QWidget* window);

    RememberedPlaces& m_places;
    std::vector<QPointer<QWidget>> m_windows;
};

} // namespace kx2
