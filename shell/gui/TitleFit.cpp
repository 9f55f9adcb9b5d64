#include "shell/gui/TitleFit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QBoxLayout>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QWidget>
#include <algorithm>

namespace kx2 {

namespace {
// Window icon, minimise, maximise and close, and the frame's margins.
constexpr int kTitleBarRoom = 150;
} // namespace

int titleBarWidth(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

void fitTitle(QWidget* window)
{
    const int need = titleBarWidth(window->windowTitle());
    // An input box makes its layout only when asked for its size.
    (void)window->sizeHint();
    QLayout* layout = window->layout();
    // Message and input boxes size themselves from their layout; a blank row as wide as the
    // caption holds them open.
    if (layout && (qobject_cast<QMessageBox*>(window) || layout->sizeConstraint() != QLayout::SetDefaultConstraint)) {
        auto* room = new QSpacerItem(need, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            grid->addItem(room, grid->rowCount(), 0, 1, grid->columnCount());
            return;
        }
        if (auto* column = qobject_cast<QVBoxLayout*>(layout)) {
            column->addItem(room);
            return;
        }
        delete room;
    }
    window->setMinimumWidth(std::max(window->minimumWidth(), need));
    if (window->width() < need)
        window->resize(need, window->height());
}

} // namespace kx2
