#include "editor/gui/NameEditBox.h"

#include "editor/GridEditing.h"
#include "editor/gui/FlexGrid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace kx2 {

namespace {

// QLineEdit's own limit.
constexpr int NoNameLimit = 32767;

// Names are stored in cp1252: a character it lacks is refused as it is typed or pasted.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return isStorableName(input) ? Acceptable : Invalid; }
};

} // namespace

NameEditBox::NameEditBox(QWidget* area, FlexGrid* grid, int& editRow, int& editCol, NameCells cells)
    : QObject(area)
    , m_grid(grid)
    , m_editRow(editRow)
    , m_editCol(editCol)
    , m_cells(std::move(cells))
{
    m_inpText = new QLineEdit(area);
    m_inpText->setObjectName(QStringLiteral("InpText"));
    m_inpText->setValidator(new NameValidator(m_inpText));
    m_inpText->hide();
    m_inpText->installEventFilter(this);
    m_roomLabel = new QLabel(area);
    m_roomLabel->setObjectName(QStringLiteral("InpTextRoom"));
    m_roomLabel->setAutoFillBackground(true);
    m_roomLabel->setIndent(4);
    m_roomLabel->hide();
    connect(m_inpText, &QLineEdit::textChanged, this, [this] { showNameRoom(); });
}

bool NameEditBox::isOpen() const
{
    return m_inpText->isVisible();
}

bool NameEditBox::open()
{
    if (!m_grid->singleCellSelected())
        return false;
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    if (!m_cells.isName(row, col)) {
        commitIfOpen();
        return false;
    }
    if (isOpen() && (m_editRow != row || m_editCol != col) && m_editRow > 0 && m_editCol > 0)
        commit();

    // Set before the text: a longer one is cut to what can be stored.
    const int room = m_cells.room(row, col);
    m_inpText->setMaxLength(room >= 0 ? room : NoNameLimit);
    PlaceEditBox();
    m_inpText->show();
    m_inpText->raise();
    m_inpText->setFocus();
    m_editRow = row;
    m_editCol = col;
    showNameRoom();
    return true;
}

QString NameEditBox::roomText(int used, int capacity) const
{
    if (m_cells.twoLines && m_cells.twoLines())
        return QCoreApplication::translate("NameEditBox", "Zeile 1 + 2: %1 von %2 Zeichen").arg(used).arg(capacity);
    return QCoreApplication::translate("NameEditBox", "%1 von %2 Zeichen").arg(used).arg(capacity);
}

void NameEditBox::showNameRoom()
{
    const int capacity = isOpen() ? m_cells.capacity(m_editRow, m_editCol) : -1;
    if (capacity < 0) {
        m_roomLabel->hide();
        return;
    }
    // The other name line of the area takes what the box may not.
    const int used = int(m_inpText->text().size()) + capacity - m_inpText->maxLength();
    m_roomLabel->setText(roomText(used, capacity));
    m_roomLabel->show();
    m_roomLabel->raise();
}

void NameEditBox::PlaceEditBox()
{
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    if (m_grownRow != row)
        restoreLine();
    const int lineHeight = m_grownRow == row ? m_grownFrom : m_grid->RowHeightPx(row);
    m_inpText->setText(m_grid->TextMatrix(row, col));
    // Named by the heading of the column it edits ("Name", "Name Zeile1").
    m_inpText->setAccessibleName(m_grid->TextMatrix(0, col).simplified());
    m_inpText->setFont(m_grid->font());
    m_roomLabel->setFont(m_grid->font());

    // The count's strip under the box; the line grows where both do not fit in it.
    const int capacity = m_cells.capacity(row, col);
    const QFontMetrics metrics(m_grid->font());
    const int countHeight = capacity >= 0 ? metrics.height() + 2 : 0;
    // The grid line under a line's cells.
    const int gridLine = m_grid->RowHeightPx(row) - m_grid->cellRect(row, col).height();
    const int boxHeight = capacity >= 0
                              ? std::max(m_inpText->minimumSizeHint().height(), lineHeight - gridLine - countHeight)
                              : lineHeight - gridLine;
    if (capacity >= 0 && boxHeight + countHeight + gridLine > lineHeight) {
        m_grownRow = row;
        m_grownFrom = lineHeight;
        m_grid->setRowHeightPx(row, boxHeight + countHeight + gridLine);
    }

    // Wide enough for the longest name the area takes (digits are as wide as most letters) and
    // for the count.
    const int longest = capacity >= 0 ? capacity : (m_inpText->maxLength() < NoNameLimit ? m_inpText->maxLength() : 0);
    const int frame = m_inpText->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    int width = frame + metrics.horizontalAdvance(QString(longest, QLatin1Char('0')));
    if (capacity >= 0)
        width = std::max(width, 2 * m_roomLabel->indent() + metrics.horizontalAdvance(roomText(capacity, capacity)));

    const QRect cell = m_grid->cellRect(row, col);
    const QRect area = m_grid->cellArea(col);
    int left = cell.left();
    width = std::max(width, cell.width());
    if (left + width > area.right() + 1)
        width = area.right() + 1 - left;
    if (left < area.left()) {
        width -= area.left() - left;
        left = area.left();
    }
    const QPoint at = m_grid->geometry().topLeft() + QPoint(left, cell.top());
    m_inpText->setGeometry(at.x(), at.y(), std::max(width, 0), boxHeight);
    m_roomLabel->setGeometry(at.x(), at.y() + boxHeight, std::max(width, 0), cell.height() - boxHeight);
}

void NameEditBox::restoreLine()
{
    const int row = m_grownRow;
    m_grownRow = -1;
    if (row >= 1 && row < m_grid->Rows())
        m_grid->setRowHeightPx(row, m_grownFrom);
}

void NameEditBox::hide()
{
    const bool hadFocus = m_inpText->hasFocus();
    m_inpText->hide();
    if (hadFocus)
        m_grid->setFocus();
}

void NameEditBox::commit()
{
    const int row = m_editRow;
    const bool onName = row >= 1 && row < m_grid->Rows() && m_cells.isName(row, m_editCol);
    // The validator lets nothing else through; whatever came in another way shows as '?'.
    if (onName)
        m_grid->setTextMatrix(row, m_editCol, storableName(m_inpText->text()));
    hide();
    if (onName)
        m_cells.store(row);
}

void NameEditBox::commitIfOpen()
{
    if (isOpen())
        commit();
}

bool NameEditBox::InpText_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // What was typed is kept, as Enter keeps it: moving on loses nothing.
        commit();
        m_cells.tab(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier));
        return true;
    case Qt::Key_Escape:
        // The name as it was: the cell still shows it, and nothing is stored.
        hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        return true;
    case Qt::Key_Up:
        if (m_grid->Row() > 1) {
            commit();
            m_grid->setRow(m_grid->Row() - 1);
        }
        return true;
    case Qt::Key_Down:
        if (m_grid->Row() < m_grid->Rows() - 1) {
            commit();
            m_grid->setRow(m_grid->Row() + 1);
        }
        return true;
    default:
        return false;
    }
}

bool NameEditBox::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_inpText) {
        // However the box is put away, the count goes with it and its line is as it was (not when
        // only the window is hidden).
        if (e->type() == QEvent::Hide && m_inpText->isHidden()) {
            m_roomLabel->hide();
            restoreLine();
        }
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && InpText_KeyDown(k->key(), k->modifiers()))
                return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

} // namespace kx2
