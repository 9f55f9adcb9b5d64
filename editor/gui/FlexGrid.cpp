#include "editor/gui/FlexGrid.h"

#include "editor/PaintedColours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace kx2 {

namespace {

// Centres text and picture; a text too large for its cell is drawn smaller until it fits
// ("Fkt. nicht anz." in a 41-pixel cell takes three small lines).
// A marked line: a light tint over it and a strong bar at its left, in the colour of its mark.
constexpr int kMarkBarWidth = 5;

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    bool scalePictures = true;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const std::optional<PaintedColours> mark = markColours(m_grid->rowMark(index.row() + 1), opt.palette);
        if (mark) {
            opt.backgroundBrush = mark->background;
            opt.palette.setColor(QPalette::Text, mark->text);
        }
        opt.displayAlignment = Qt::AlignCenter;
        opt.textElideMode = Qt::ElideNone;
        if (!opt.text.isEmpty())
            fitText(opt);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QVariant picture = index.data(FlexGrid::PictureRole);
        if (picture.isValid()) {
            const QPixmap pixmap = picture.value<QPixmap>();
            if (!pixmap.isNull()) {
                const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
                const QPixmap shown = sharpPicture(pixmap, option.rect.size(), ratio, scalePictures);
                QRect at(QPoint(), shown.deviceIndependentSize().toSize());
                at.moveCenter(option.rect.center());
                painter->save();
                painter->setClipRect(option.rect, Qt::IntersectClip);
                // The pictures' white paper is a tile of its own on a dark grid.
                const PaintedColours tile = pictureTileColours(opt.palette);
                const QRect paper = at.adjusted(-1, -1, 1, 1).intersected(option.rect);
                painter->fillRect(paper, tile.background);
                if (tile.bar != tile.background) {
                    painter->setPen(tile.bar);
                    painter->setBrush(Qt::NoBrush);
                    painter->drawRect(paper.adjusted(0, 0, -1, -1));
                }
                painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
                painter->drawPixmap(at.topLeft(), shown);
                painter->restore();
                // A picture fills its cell: the selection shows as a tint over it.
                if (opt.state & QStyle::State_Selected) {
                    QColor tint = opt.palette.color(QPalette::Highlight);
                    tint.setAlpha(90);
                    painter->fillRect(option.rect, tint);
                    // One marked picture (a chooser's) shows plainly, also in a window not in front.
                    if (m_grid->singleCellSelected()) {
                        painter->save();
                        painter->setPen(QPen(opt.palette.color(QPalette::Active, QPalette::Highlight), 2));
                        painter->setBrush(Qt::NoBrush);
                        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
                        painter->restore();
                    }
                }
            }
        }
        // The bar stays visible on a selected line too.
        if (mark && index.column() == 0)
            painter->fillRect(QRect(option.rect.left(), option.rect.top(), kMarkBarWidth, option.rect.height()),
                              mark->bar);
    }

private:
    FlexGrid* m_grid;

    // The picture as drawn in a cell of `room` on a screen of `ratio` device pixels a pixel: grown
    // by whole numbers without smoothing, so that its pixels stay sharp beside the text; only one
    // too large for its cell (where the grid shrinks pictures) is smoothed down.
    static QPixmap sharpPicture(const QPixmap& picture, QSize room, qreal ratio, bool shrink)
    {
        const QSize size = picture.size();
        const bool larger = size.width() > room.width() || size.height() > room.height();
        const QString key = QStringLiteral("kx2-picture-%1-%2x%3-%4-%5")
                                .arg(picture.cacheKey())
                                .arg(room.width())
                                .arg(room.height())
                                .arg(ratio)
                                .arg(shrink && larger);
        QPixmap shown;
        if (QPixmapCache::find(key, &shown))
            return shown;
        if (larger && shrink) {
            shown = picture.scaled(room * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        } else {
            // Large fonts make larger cells: the picture takes them up in whole steps.
            const int steps = std::max(1, std::min(room.width() / std::max(1, size.width()),
                                                   room.height() / std::max(1, size.height())));
            const QSize device(int(std::lround(size.width() * steps * ratio)),
                               int(std::lround(size.height() * steps * ratio)));
            shown = device == size ? picture : picture.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
        shown.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, shown);
        return shown;
    }

    static void fitText(QStyleOptionViewItem& opt)
    {
        QFont font = opt.font;
        if (font.pointSizeF() <= 0)
            return;
        const QRect room = opt.rect.adjusted(3, 1, -3, -1);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        while (font.pointSizeF() > 6.0) {
            const QRect needed = QFontMetrics(font).boundingRect(room, flags, opt.text);
            if (needed.height() <= room.height() && needed.width() <= room.width())
                break;
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
        opt.font = font;
        opt.fontMetrics = QFontMetrics(font);
    }
};

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

// The frozen columns: a second view of the same cells and the same selection, laid over the
// grid's left part, that scrolls up and down with the grid but never sideways. Its mouse events
// go through the grid's own handling, so that they raise the grid's events.
class FrozenColumns : public QTableView {
public:
    explicit FrozenColumns(FlexGrid* grid) : QTableView(grid), m_grid(grid) {}

    void basePress(QMouseEvent* e) { QTableView::mousePressEvent(e); }
    void baseDoubleClick(QMouseEvent* e) { QTableView::mouseDoubleClickEvent(e); }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        // The keys go on to the grid.
        m_grid->setFocus(Qt::MouseFocusReason);
        m_grid->cellPress(this, e, [this, e] { basePress(e); });
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            QTableView::mouseReleaseEvent(e);
        m_grid->buttonUp(e->button());
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        m_grid->cellDoubleClick(this, e, [this, e] { baseDoubleClick(e); });
    }
    void wheelEvent(QWheelEvent* e) override { QApplication::sendEvent(m_grid->viewport(), e); }
    // Scrolling to a cell is the grid's business.
    void scrollTo(const QModelIndex&, ScrollHint) override {}

private:
    FlexGrid* m_grid;
};

FlexGrid::FlexGrid(QWidget* parent)
    : QTableWidget(parent)
{
    m_delegate = new CellDelegate(this);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    QHeaderView* lines = verticalHeader();
    lines->setSectionResizeMode(QHeaderView::Fixed);
    lines->setDefaultAlignment(Qt::AlignCenter);
    lines->setMinimumSectionSize(8);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setMinimumSectionSize(8);
    columns->setHighlightSections(false);
    lines->setHighlightSections(false);
    lines->viewport()->installEventFilter(this);
    columns->viewport()->installEventFilter(this);

    // The corner cell carries the heading of the fixed column.
    for (QAbstractButton* b : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        m_corner = b;
        b->installEventFilter(this);
    }

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { Q_EMIT Scroll(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Q_EMIT Scroll(); });
}

void FlexGrid::setRows(int rows)
{
    const int before = rowCount();
    const int after = std::max(0, rows - 1);
    setRowCount(after);
    for (int r = before; r < after; ++r) {
        auto* item = new QTableWidgetItem(QString());
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(RowDataRole, 0);
        setVerticalHeaderItem(r, item);
    }
    if (m_row > after)
        m_row = after;
}

void FlexGrid::addRow()
{
    setRows(Rows() + 1);
}

void FlexGrid::setCols(int cols)
{
    const int before = columnCount();
    const int after = std::max(0, cols - m_fixedCols);
    setColumnCount(after);
    for (int c = before; c < after; ++c) {
        auto* item = new QTableWidgetItem(QString());
        item->setTextAlignment(Qt::AlignCenter);
        setHorizontalHeaderItem(c, item);
    }
    if (m_col > after + m_fixedCols - 1)
        m_col = std::max(0, after + m_fixedCols - 1);
    updateFrozen();
}

void FlexGrid::setScalePictures(bool on)
{
    static_cast<CellDelegate*>(m_delegate)->scalePictures = on;
    viewport()->update();
}

void FlexGrid::setFixedCols(int fixedCols)
{
    fixedCols = std::clamp(fixedCols, 0, 1);
    if (fixedCols == m_fixedCols)
        return;
    const int cols = Cols();
    setColumnCount(0);
    m_fixedCols = fixedCols;
    verticalHeader()->setVisible(m_fixedCols == 1);
    m_col = 0;
    setCols(cols);
}

void FlexGrid::setFrozenCols(int cols)
{
    m_frozenCols = std::max(0, cols);
    updateFrozen();
}

int FlexGrid::frozenViewCols() const
{
    return std::clamp(m_frozenCols - m_fixedCols, 0, columnCount());
}

int FlexGrid::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < frozenViewCols(); ++c)
        width += columnWidth(c);
    return width;
}

void FlexGrid::updateFrozen()
{
    const int frozen = frozenViewCols();
    if (frozen == 0) {
        if (m_frozen)
            m_frozen->hide();
        return;
    }
    if (!m_frozen) {
        m_frozen = new FrozenColumns(this);
        m_frozen->setObjectName(QStringLiteral("FrozenColumns"));
        m_frozen->setModel(model());
        m_frozen->setSelectionModel(selectionModel());
        m_frozen->setItemDelegate(m_delegate);
        m_frozen->setSelectionMode(selectionMode());
        m_frozen->setSelectionBehavior(selectionBehavior());
        m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_frozen->setWordWrap(true);
        m_frozen->setFocusPolicy(Qt::NoFocus);
        m_frozen->setFrameShape(QFrame::NoFrame);
        m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setVerticalScrollMode(verticalScrollMode());
        m_frozen->verticalHeader()->hide();
        m_frozen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_frozen->verticalHeader()->setMinimumSectionSize(verticalHeader()->minimumSectionSize());
        m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        QHeaderView* heads = m_frozen->horizontalHeader();
        heads->setSectionResizeMode(QHeaderView::Fixed);
        heads->setDefaultAlignment(Qt::AlignCenter);
        heads->setMinimumSectionSize(horizontalHeader()->minimumSectionSize());
        heads->setHighlightSections(false);
        heads->viewport()->installEventFilter(this);
        for (int r = 0; r < rowCount(); ++r)
            m_frozen->setRowHeight(r, rowHeight(r));
        connect(verticalHeader(), &QHeaderView::sectionResized, m_frozen,
                [this](int section, int, int size) { m_frozen->setRowHeight(section, size); });
        connect(horizontalHeader(), &QHeaderView::sectionResized, m_frozen, [this] { updateFrozen(); });
        connect(verticalScrollBar(), &QScrollBar::valueChanged, m_frozen->verticalScrollBar(), &QScrollBar::setValue);
        connect(m_frozen->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    }
    for (int c = 0; c < columnCount(); ++c) {
        m_frozen->setColumnHidden(c, c >= frozen);
        if (c < frozen)
            m_frozen->setColumnWidth(c, columnWidth(c));
    }
    m_frozen->horizontalHeader()->setFont(horizontalHeader()->font());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    placeFrozen();
    m_frozen->show();
}

void FlexGrid::placeFrozen()
{
    if (!m_frozen || frozenViewCols() == 0)
        return;
    const QRect cells = viewport()->geometry();
    const int top = horizontalHeader()->isVisible() ? horizontalHeader()->geometry().top() : cells.top();
    m_frozen->setGeometry(cells.left(), top, std::min(frozenWidth(), cells.width()), cells.bottom() + 1 - top);
    m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void FlexGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    placeFrozen();
}

void FlexGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int frozen = frozenViewCols();
    if (frozen == 0) {
        QTableWidget::scrollTo(index, hint);
        return;
    }
    QScrollBar* sideways = horizontalScrollBar();
    const int keep = sideways->value();
    QTableWidget::scrollTo(index, hint);
    if (index.column() < frozen) {
        // A frozen cell is always in view: only up and down.
        sideways->setValue(keep);
        return;
    }
    // A cell under the frozen columns comes out from under them.
    const int covered = frozenWidth() - visualRect(index).left();
    if (covered > 0)
        sideways->setValue(sideways->value() - covered);
}

void FlexGrid::setRowMarks(std::function<RecordMark(int row)> marks)
{
    m_marks = std::move(marks);
    // A cell changed may change its line's mark: the whole line is drawn again.
    connect(model(), &QAbstractItemModel::dataChanged, this, &FlexGrid::refreshMarks, Qt::UniqueConnection);
    refreshMarks();
}

RecordMark FlexGrid::rowMark(int row) const
{
    return m_marks && row >= 1 && row < Rows() ? m_marks(row) : RecordMark::None;
}

void FlexGrid::refreshMarks()
{
    viewport()->update();
    if (m_frozen)
        m_frozen->viewport()->update();
}

std::optional<QRect> FlexGrid::selectionBox() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return std::nullopt;
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    return QRect(QPoint(left + m_fixedCols, top + 1), QPoint(right + m_fixedCols, bottom + 1));
}

int FlexGrid::RowSel() const
{
    const std::optional<QRect> box = selectionBox();
    if (!box || !box->contains(m_col, m_row))
        return m_row;
    return m_row == box->top() ? box->bottom() : box->top();
}

int FlexGrid::ColSel() const
{
    const std::optional<QRect> box = selectionBox();
    if (!box || !box->contains(m_col, m_row))
        return m_col;
    return m_col == box->left() ? box->right() : box->left();
}

void FlexGrid::moveCurrent(int row, int col)
{
    if (row == m_row && col == m_col)
        return;
    m_row = row;
    m_col = col;
    Q_EMIT EnterCell();
}

void FlexGrid::selectCell(int row, int col)
{
    if (row < 1 || row >= Rows() || col < 0 || col >= Cols())
        return;
    if (isFixedCol(col)) {
        selectionModel()->clearSelection();
        selectionModel()->clearCurrentIndex();
    } else {
        selectionModel()->setCurrentIndex(modelIndex(row, col), QItemSelectionModel::ClearAndSelect);
    }
    moveCurrent(row, col);
}

void FlexGrid::selectLine(int row)
{
    const int first = m_fixedCols;
    if (row < 1 || row >= Rows() || Cols() <= first)
        return;
    // The line is selected where it is; the view does not jump back to the first column.
    const bool scroll = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(modelIndex(row, first), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(modelIndex(row, first), modelIndex(row, Cols() - 1)),
                             QItemSelectionModel::ClearAndSelect);
    setAutoScroll(scroll);
    moveCurrent(row, first);
}

void FlexGrid::showCell(int row, int col)
{
    selectCell(row, col);
    if (row < 1 || row >= Rows() || col < 0 || col >= Cols())
        return;
    if (isFixedCol(col))
        scrollToLine(row);
    else
        scrollTo(modelIndex(row, col));
}

void FlexGrid::scrollToLine(int row)
{
    if (row < 1 || row >= Rows() || columnCount() == 0)
        return;
    QScrollBar* sideways = horizontalScrollBar();
    const int keep = sideways->value();
    QTableWidget::scrollTo(model()->index(row - 1, 0));
    sideways->setValue(keep);
}

void FlexGrid::selectColumn(int col)
{
    if (isFixedCol(col) || col >= Cols() || Rows() < 2)
        return;
    const bool scroll = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(modelIndex(1, col), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(modelIndex(1, col), modelIndex(Rows() - 1, col)),
                             QItemSelectionModel::ClearAndSelect);
    setAutoScroll(scroll);
    moveCurrent(1, col);
}

QTableWidgetItem* FlexGrid::cellItem(int row, int col)
{
    QTableWidgetItem* it = item(row - 1, col - m_fixedCols);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row - 1, col - m_fixedCols, it);
    }
    return it;
}

QTableWidgetItem* FlexGrid::lineItem(int row)
{
    QTableWidgetItem* it = verticalHeaderItem(row - 1);
    if (!it) {
        it = new QTableWidgetItem(QString());
        it->setTextAlignment(Qt::AlignCenter);
        it->setData(RowDataRole, 0);
        setVerticalHeaderItem(row - 1, it);
    }
    return it;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return QString();
    if (row == 0 && isFixedCol(col))
        return m_cornerText;
    if (row == 0) {
        const QTableWidgetItem* it = horizontalHeaderItem(col - m_fixedCols);
        return it ? it->text() : QString();
    }
    if (isFixedCol(col)) {
        const QTableWidgetItem* it = verticalHeaderItem(row - 1);
        return it ? it->text() : QString();
    }
    const QTableWidgetItem* it = item(row - 1, col - m_fixedCols);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return;
    if (row == 0 && isFixedCol(col)) {
        m_cornerText = text;
        if (m_corner)
            m_corner->update();
        return;
    }
    if (row == 0) {
        QTableWidgetItem* it = horizontalHeaderItem(col - m_fixedCols);
        if (!it) {
            it = new QTableWidgetItem;
            it->setTextAlignment(Qt::AlignCenter);
            setHorizontalHeaderItem(col - m_fixedCols, it);
        }
        it->setText(text);
        return;
    }
    if (isFixedCol(col)) {
        lineItem(row)->setText(text);
        return;
    }
    QTableWidgetItem* it = item(row - 1, col - m_fixedCols);
    if (!it && text.isEmpty())
        return;
    cellItem(row, col)->setText(text);
}

QPixmap FlexGrid::CellPicture(int row, int col) const
{
    if (row < 1 || col < m_fixedCols)
        return QPixmap();
    const QTableWidgetItem* it = item(row - 1, col - m_fixedCols);
    return it ? it->data(PictureRole).value<QPixmap>() : QPixmap();
}

void FlexGrid::setCellPicture(int row, int col, const QPixmap& picture)
{
    if (row < 1 || row >= Rows() || col < m_fixedCols || col >= Cols())
        return;
    QTableWidgetItem* it = item(row - 1, col - m_fixedCols);
    if (picture.isNull()) {
        if (it)
            it->setData(PictureRole, QVariant());
        return;
    }
    cellItem(row, col)->setData(PictureRole, picture);
}

int FlexGrid::RowData(int row) const
{
    if (row < 1 || row >= Rows())
        return 0;
    const QTableWidgetItem* it = verticalHeaderItem(row - 1);
    return it ? it->data(RowDataRole).toInt() : 0;
}

void FlexGrid::setRowData(int row, int value)
{
    if (row < 1 || row >= Rows())
        return;
    lineItem(row)->setData(RowDataRole, value);
}

int FlexGrid::rowOfData(int value) const
{
    for (int row = 1; row < Rows(); ++row)
        if (RowData(row) == value)
            return row;
    return 0;
}

int FlexGrid::LineTag(int row) const
{
    if (row < 1 || row >= Rows())
        return -1;
    const QTableWidgetItem* it = verticalHeaderItem(row - 1);
    const QVariant tag = it ? it->data(LineTagRole) : QVariant();
    return tag.isValid() ? tag.toInt() : -1;
}

void FlexGrid::setLineTag(int row, int tag)
{
    if (row < 1 || row >= Rows())
        return;
    lineItem(row)->setData(LineTagRole, tag);
}

// --- sorting what is shown ---

bool FlexGrid::isSortCol(int col) const
{
    return std::find(m_sortCols.begin(), m_sortCols.end(), col) != m_sortCols.end();
}

void FlexGrid::sortBy(int col)
{
    m_sort = nextSortState(m_sort, col);
    arrangeLines();
}

void FlexGrid::applySort()
{
    // Filled lines stand in the station's order already.
    if (m_sort.direction == SortDirection::Station)
        showSortIndicator();
    else
        arrangeLines();
}

void FlexGrid::arrangeLines()
{
    const int lines = std::max(0, Rows() - 1 - (m_sortKeepsLast ? 1 : 0));
    // Lines without a place yet came after the last sort (or with a fill): they follow in the
    // order they stand in.
    int next = 0;
    for (int row = 1; row <= lines; ++row)
        if (const QVariant at = lineItem(row)->data(StationOrderRole); at.isValid())
            next = std::max(next, at.toInt() + 1);
    std::vector<QString> keys;
    std::vector<int> station;
    for (int row = 1; row <= lines; ++row) {
        QTableWidgetItem* line = lineItem(row);
        if (!line->data(StationOrderRole).isValid())
            line->setData(StationOrderRole, next++);
        station.push_back(line->data(StationOrderRole).toInt());
        keys.push_back(m_sort.direction == SortDirection::Station ? QString() : TextMatrix(row, m_sort.col));
    }
    reorderLines(sortedLines(keys, station, m_sort.direction));
    showSortIndicator();
}

void FlexGrid::reorderLines(const std::vector<int>& order)
{
    struct Line {
        QTableWidgetItem* head;
        std::vector<QTableWidgetItem*> cells;
        int height;
    };
    std::vector<Line> taken;
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    for (int r = 0; r < int(order.size()); ++r) {
        Line line{takeVerticalHeaderItem(r), {}, rowHeight(r)};
        for (int c = 0; c < columnCount(); ++c)
            line.cells.push_back(takeItem(r, c));
        taken.push_back(std::move(line));
    }
    int current = m_row;
    for (int r = 0; r < int(order.size()); ++r) {
        Line& line = taken[size_t(order[size_t(r)])];
        if (order[size_t(r)] + 1 == m_row)
            current = r + 1;
        setVerticalHeaderItem(r, line.head);
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, line.cells[size_t(c)]);
        setRowHeight(r, line.height);
    }
    setUpdatesEnabled(updates);
    // The current line stays current where it went.
    if (current >= 1 && current < Rows()) {
        selectCell(current, m_col);
        if (!isFixedCol(m_col))
            scrollTo(modelIndex(current, m_col));
    }
    refreshMarks();
}

void FlexGrid::showSortIndicator()
{
    const bool shown = m_sort.direction != SortDirection::Station && m_sort.col >= m_fixedCols;
    const Qt::SortOrder order = m_sort.direction == SortDirection::Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    for (QHeaderView* header : {horizontalHeader(), m_frozen ? m_frozen->horizontalHeader() : nullptr}) {
        if (!header)
            continue;
        header->setSortIndicatorShown(shown);
        header->setSortIndicator(shown ? m_sort.col - m_fixedCols : -1, order);
    }
    fitSortedHeading(shown ? m_sort.col - m_fixedCols : -1);
    if (m_corner)
        m_corner->update();
}

void FlexGrid::fitSortedHeading(int section)
{
    for (int c = 0; c < columnCount(); ++c)
        if (QTableWidgetItem* item = horizontalHeaderItem(c))
            item->setData(Qt::FontRole, QVariant());
    QTableWidgetItem* item = horizontalHeaderItem(section);
    if (!item)
        return;
    // The style takes the arrow's room from the heading's; the heading keeps what is left of it.
    const QHeaderView* header = horizontalHeader();
    QStyleOptionHeader opt;
    opt.initFrom(header);
    opt.state |= QStyle::State_Horizontal;
    opt.orientation = Qt::Horizontal;
    opt.rect = QRect(0, 0, header->sectionSize(section), std::max(header->height(), header->sizeHint().height()));
    opt.sortIndicator = QStyleOptionHeader::SortDown;
    const int room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &opt, header).width();
    QFont font = header->font();
    if (font.pointSizeF() <= 0)
        return;
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(item->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != header->font())
        item->setFont(font);
}

int FlexGrid::scaled(int designPixels) const
{
    const QString measuredFor = font().key() + QLatin1Char('@') + QString::number(logicalDpiY());
    if (measuredFor != m_scaledFor) {
        // The design font: the grid's own at 9 points on a screen of 96 dpi.
        QImage designScreen(1, 1, QImage::Format_RGB32);
        constexpr int kDotsPerMetreAt96Dpi = 3780;
        designScreen.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
        designScreen.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
        QFont design = font();
        design.setPointSizeF(9.0);
        const qreal designHeight = QFontMetricsF(design, &designScreen).height();
        const qreal height = QFontMetricsF(font(), this).height();
        m_scaleFactor = designHeight > 0 ? std::max<qreal>(1.0, height / designHeight) : 1.0;
        m_scaledFor = measuredFor;
    }
    return int(std::lround(designPixels * m_scaleFactor));
}

void FlexGrid::setColWidth(int col, int pixels)
{
    if (col < 0 || col >= Cols())
        return;
    if (isFixedCol(col))
        verticalHeader()->setFixedWidth(pixels);
    else
        setColumnWidth(col - m_fixedCols, pixels);
    placeFrozen();
}

int FlexGrid::ColWidth(int col) const
{
    if (isFixedCol(col))
        return verticalHeader()->width();
    return columnWidth(col - m_fixedCols);
}

void FlexGrid::setRowHeightPx(int row, int pixels)
{
    if (row == 0) {
        horizontalHeader()->setFixedHeight(pixels);
        updateFrozen();
    } else if (row >= 1 && row < Rows()) {
        setRowHeight(row - 1, pixels);
    }
}

int FlexGrid::RowHeightPx(int row) const
{
    if (row == 0)
        return horizontalHeader()->height();
    return rowHeight(row - 1);
}

void FlexGrid::setDefaultRowHeight(int pixels)
{
    verticalHeader()->setDefaultSectionSize(pixels);
    if (m_frozen)
        m_frozen->verticalHeader()->setDefaultSectionSize(pixels);
}

void FlexGrid::fitHeaderFont()
{
    QHeaderView* columns = horizontalHeader();
    QFont headerFont = font();
    if (headerFont.pointSizeF() <= 0)
        return;
    // Room for the header's own margins on both sides.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, columns) + 2;
    const auto fits = [&](const QFont& f) {
        const QFontMetrics metrics(f);
        for (int col = 0; col < Cols(); ++col)
            if (metrics.horizontalAdvance(TextMatrix(0, col)) + margin > ColWidth(col))
                return false;
        return true;
    };
    while (headerFont.pointSizeF() > 6.0 && !fits(headerFont))
        headerFont.setPointSizeF(headerFont.pointSizeF() - 0.5);
    columns->setFont(headerFont);
    updateFrozen();
}

QRect FlexGrid::cellRect(int row, int col) const
{
    if (row < 1 || row >= Rows() || col < 0 || col >= Cols())
        return QRect();
    if (isFixedCol(col)) {
        const QHeaderView* lines = verticalHeader();
        return QRect(lines->geometry().left(), lines->geometry().top() + lines->sectionViewportPosition(row - 1),
                     lines->width(), lines->sectionSize(row - 1));
    }
    if (m_frozen && col - m_fixedCols < frozenViewCols())
        return m_frozen->visualRect(modelIndex(row, col))
            .translated(m_frozen->geometry().topLeft() + m_frozen->viewport()->geometry().topLeft());
    return visualRect(modelIndex(row, col)).translated(viewport()->geometry().topLeft());
}

QRect FlexGrid::cellArea() const
{
    return viewport()->geometry();
}

QRect FlexGrid::cellArea(int col) const
{
    QRect area = viewport()->geometry();
    if (col >= m_fixedCols && col - m_fixedCols >= frozenViewCols())
        area.setLeft(area.left() + frozenWidth());
    return area;
}

void FlexGrid::cancelPendingClick()
{
    if (m_pressed)
        m_clickCancelled = true;
}

bool FlexGrid::event(QEvent* e)
{
    // Tab moves inside the grid as its handler decides; the focus stays here.
    if (e->type() == QEvent::KeyPress && m_tabKeyDown) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            Qt::KeyboardModifiers modifiers = k->modifiers();
            if (k->key() == Qt::Key_Backtab)
                modifiers |= Qt::ShiftModifier;
            k->accept();
            Q_EMIT KeyDown(Qt::Key_Tab, modifiers);
            return true;
        }
    }
    return QTableWidget::event(e);
}

void FlexGrid::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    Q_EMIT KeyDown(key, modifiers);
    if (isNavigationKey(key)) {
        QTableWidget::keyPressEvent(e);
        const QModelIndex current = currentIndex();
        if (current.isValid() && !(modifiers & Qt::ShiftModifier))
            moveCurrent(current.row() + 1, current.column() + m_fixedCols);
        return;
    }
    // Typing does not search or edit cells; Escape goes on to the window (a dialog's cancel).
    if (key == Qt::Key_Escape)
        e->ignore();
    else
        e->accept();
}

void FlexGrid::buttonDown(bool onCell)
{
    m_pressed = true;
    m_pressOnCell = onCell;
    m_clickCancelled = false;
    m_afterDoubleClick = false;
}

void FlexGrid::buttonUp(Qt::MouseButton button)
{
    const bool click = m_pressed && m_pressOnCell && !m_clickCancelled && !m_afterDoubleClick
                       && button == Qt::LeftButton;
    m_pressed = false;
    m_afterDoubleClick = false;
    if (click)
        Q_EMIT Click();
}

void FlexGrid::mousePressEvent(QMouseEvent* e)
{
    cellPress(this, e, [this, e] { QTableWidget::mousePressEvent(e); });
}

void FlexGrid::cellPress(QAbstractItemView* view, QMouseEvent* e, const std::function<void()>& viewPress)
{
    const QPoint pos = e->position().toPoint();
    const QModelIndex index = view->indexAt(pos);
    const QPoint at = view->viewport()->mapTo(this, pos);
    buttonDown(index.isValid());
    // Only the left button moves the current cell and the selection.
    if (e->button() != Qt::LeftButton) {
        Q_EMIT MouseDown(e->button(), e->modifiers(), at);
        return;
    }
    viewPress();
    if (index.isValid() && !(e->modifiers() & Qt::ShiftModifier))
        moveCurrent(index.row() + 1, index.column() + m_fixedCols);
    Q_EMIT MouseDown(e->button(), e->modifiers(), at);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        QTableWidget::mouseReleaseEvent(e);
    buttonUp(e->button());
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    cellDoubleClick(this, e, [this, e] { QTableWidget::mouseDoubleClickEvent(e); });
}

void FlexGrid::cellDoubleClick(QAbstractItemView* view, QMouseEvent* e, const std::function<void()>& viewDoubleClick)
{
    const QModelIndex index = view->indexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        viewDoubleClick();
    m_pressed = true;
    m_afterDoubleClick = true;
    if (index.isValid() && e->button() == Qt::LeftButton)
        Q_EMIT DblClick();
}

bool FlexGrid::headerMouse(QHeaderView* header, QEvent* e)
{
    auto* me = static_cast<QMouseEvent*>(e);
    const QPoint pos = me->position().toPoint();
    const bool lines = header->orientation() == Qt::Vertical;
    const int section = header->logicalIndexAt(lines ? pos.y() : pos.x());
    // A sortable heading sorts, also at the second press of a quick double click; it neither
    // selects its column nor makes a grid click.
    const bool sorts = !lines && section >= 0 && me->button() == Qt::LeftButton && isSortCol(section + m_fixedCols);
    if (sorts && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
        m_pressed = false;
        Q_EMIT HeaderSort(section + m_fixedCols);
        return true;
    }
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        buttonDown(section >= 0);
        if (section >= 0 && me->button() == Qt::LeftButton) {
            if (lines)
                selectLine(section + 1);
            else
                selectColumn(section + m_fixedCols);
        }
        Q_EMIT MouseDown(me->button(), me->modifiers(), header->viewport()->mapTo(this, pos));
        return true;
    case QEvent::MouseButtonRelease:
        buttonUp(me->button());
        return true;
    case QEvent::MouseButtonDblClick:
        m_pressed = true;
        m_afterDoubleClick = true;
        if (section >= 0 && me->button() == Qt::LeftButton)
            Q_EMIT DblClick();
        return true;
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

void FlexGrid::paintCorner()
{
    QStylePainter painter(m_corner);
    painter.setFont(horizontalHeader()->font());
    QStyleOptionHeader opt;
    // Drawn like the other header cells, not like the disabled button it is.
    opt.initFrom(horizontalHeader());
    opt.state |= QStyle::State_Enabled | QStyle::State_Raised;
    opt.rect = m_corner->rect();
    opt.text = m_cornerText;
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::OnlyOneSection;
    opt.orientation = Qt::Horizontal;
    painter.save();
    painter.drawControl(QStyle::CE_Header, opt);
    // (The header's drawing leaves a clip behind.)
    painter.restore();
    // The fixed column's direction, where the header draws the others' but without taking the
    // narrow cell's room from its heading.
    if (m_fixedCols == 1 && m_sort.col == 0 && m_sort.direction != SortDirection::Station) {
        // Pointing as the header's own arrows point: down for ascending, up for descending.
        const int x = m_corner->width() - 6;
        const int y = m_corner->height() / 2;
        const int d = m_sort.direction == SortDirection::Ascending ? 2 : -2;
        const QPolygon arrow({QPoint(x - 3, y - d), QPoint(x + 3, y - d), QPoint(x, y + d)});
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(horizontalHeader()->palette().windowText());
        painter.drawPolygon(arrow);
    }
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_corner && e->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    if (watched == m_corner && m_fixedCols == 1 && isSortCol(0)
        && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        Q_EMIT HeaderSort(0);
        return true;
    }
    const bool mouse = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease
                       || e->type() == QEvent::MouseButtonDblClick || e->type() == QEvent::MouseMove;
    if (mouse && watched == verticalHeader()->viewport())
        return headerMouse(verticalHeader(), e);
    if (mouse && watched == horizontalHeader()->viewport())
        return headerMouse(horizontalHeader(), e);
    if (mouse && m_frozen && watched == m_frozen->horizontalHeader()->viewport())
        return headerMouse(m_frozen->horizontalHeader(), e);
    return QTableWidget::eventFilter(watched, e);
}

} // namespace kx2
