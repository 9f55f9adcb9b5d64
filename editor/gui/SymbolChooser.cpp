#include "editor/gui/SymbolChooser.h"

#include "editor/GridEditing.h"
#include "editor/gui/FlexGrid.h"
#include "editor/gui/PictureCache.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

namespace kx2 {

namespace {

// At most so many lines of symbols open at once; the rest scroll.
constexpr int kVisibleLines = 12;

} // namespace

SymbolChooser::SymbolChooser(const SymbolChooserDesign& design, PictureCache& pictures,
                             std::function<void(double)> pause, QWidget* parent)
    : ColumnDialog(parent)
    , m_design(design)
    , m_pause(std::move(pause))
{
    setObjectName(QString::fromLatin1(design.formName));
    setWindowTitle(design.caption);
    m_design.symbolsPerLine = std::max(1, m_design.symbolsPerLine);

    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QString::fromLatin1(design.gridName));
    m_grid->setTabKeyDown(false);
    m_abbrechen = new QPushButton(design.cancelCaption, this);
    m_abbrechen->setObjectName(QStringLiteral("AbbrechenButton"));
    m_abbrechen->setAutoDefault(false);
    m_abbrechen->setToolTip(
        QCoreApplication::translate("SymbolChooser", "Schließt die Auswahl; das Symbol bleibt, wie es war (Esc)."));
    connect(m_abbrechen, &QPushButton::clicked, this, &SymbolChooser::AbbrechenButton_Click);
    // A click only marks a picture: OK is where it leads.
    m_ok = new QPushButton(QCoreApplication::translate("SymbolChooser", "OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setAutoDefault(false);
    m_ok->setToolTip(QCoreApplication::translate("SymbolChooser", "Übernimmt das markierte Symbol (Enter)."));
    connect(m_ok, &QPushButton::clicked, this, &SymbolChooser::OKButton_Click);
    m_hint = new QLabel(QCoreApplication::translate("SymbolChooser", "Symbol anklicken, dann OK – oder doppelklicken."), this);
    m_hint->setObjectName(QStringLiteral("HintLbl"));

    connect(m_grid, &FlexGrid::DblClick, this, &SymbolChooser::choose);
    connect(m_grid, &FlexGrid::KeyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            choose();
    });
    const auto markChanged = [this] { m_ok->setEnabled(markedSymbol() >= 0); };
    connect(m_grid, &FlexGrid::EnterCell, this, markChanged);
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, markChanged);

    Form_Load(pictures);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_hint);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_abbrechen);
    buttons->addStretch();
    layout->addLayout(buttons);
    const int lines = m_grid->Rows() - 1;
    const QMargins margins = layout->contentsMargins();
    const int width = m_grid->ColWidth(0) + m_design.symbolsPerLine * m_grid->ColWidth(1) + 2 * m_grid->frameWidth()
                      + m_grid->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    const int under = m_hint->sizeHint().height() + buttons->sizeHint().height() + 2 * layout->spacing();
    const int height = (std::min(lines, kVisibleLines) + 1) * m_grid->scaled(design.rowHeight) + 2 * m_grid->frameWidth() + under
                       + margins.top() + margins.bottom();
    resize(std::max(width, layout->minimumSize().width()), height);
}

std::pair<int, int> SymbolChooser::cellOf(int symbol) const
{
    const int index = symbol - firstSymbol();
    return {index / m_design.symbolsPerLine + 1, index % m_design.symbolsPerLine + 1};
}

int SymbolChooser::symbolAt(int row, int col) const
{
    if (row < 1 || col < 1 || col > m_design.symbolsPerLine)
        return -1;
    const int symbol = (row - 1) * m_design.symbolsPerLine + (col - 1) + firstSymbol();
    return symbol <= m_design.symbolCount ? symbol : -1;
}

void SymbolChooser::Form_Load(PictureCache& pictures)
{
    const SymbolChooserDesign& d = m_design;
    const int lines = (d.symbolCount - firstSymbol()) / d.symbolsPerLine + 1;
    m_grid->setRows(lines + 1);
    m_grid->setCols(d.symbolsPerLine + 1);
    m_grid->setDefaultRowHeight(m_grid->scaled(d.rowHeight));
    m_grid->setColWidth(0, m_grid->scaled(d.numberWidth));
    m_grid->setTextMatrix(0, 0, d.numberHeader);
    for (int col = 1; col <= d.symbolsPerLine; ++col) {
        m_grid->setColWidth(col, m_grid->scaled(d.pictureWidth));
        m_grid->setTextMatrix(0, col, d.pictureHeader);
    }
    m_grid->fitHeaderFont();
    m_grid->setScalePictures(d.scalePictures);
    for (int line = 1; line <= lines; ++line) {
        m_grid->setRowHeightPx(line, m_grid->scaled(d.rowHeight));
        const int first = symbolAt(line, 1);
        m_grid->setTextMatrix(line, 0, first == 0 ? d.noSymbolNumber : QString::number(first));
    }
    for (int symbol = firstSymbol(); symbol <= d.symbolCount; ++symbol) {
        const auto [row, col] = cellOf(symbol);
        QString tip = QCoreApplication::translate("SymbolChooser", "Symbol %1").arg(symbol);
        if (symbol == 0) {
            m_grid->setTextMatrix(row, col, d.noSymbolText);
            tip += QStringLiteral(": ") + d.noSymbolText;
        } else {
            // A missing picture leaves the cell empty.
            m_grid->setCellPicture(row, col, pictures.picture(symbolFile(d.pictureFolder, symbol)));
            const QString meaning = d.meanings.value(symbol);
            if (!meaning.isEmpty())
                tip += QStringLiteral(": ") + meaning;
        }
        if (QTableWidgetItem* item = m_grid->item(row - 1, col - m_grid->FixedCols())) {
            item->setToolTip(tip);
            // Said by a screen reader in place of the picture.
            item->setData(Qt::AccessibleTextRole, tip);
        }
    }
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void SymbolChooser::showFor(int symbol)
{
    Value = symbol;
    Cancelled = false;
    present();
    Activate();
}

void SymbolChooser::Activate()
{
    int symbol = Value;
    if (m_design.keepPresetInRange)
        symbol = std::clamp(symbol, firstSymbol(), m_design.symbolCount);
    if (symbol >= firstSymbol() && symbol <= m_design.symbolCount) {
        const auto [row, col] = cellOf(symbol);
        m_grid->selectCell(row, col);
        m_grid->scrollTo(m_grid->model()->index(row - 1, col - m_grid->FixedCols()), QAbstractItemView::PositionAtCenter);
    } else {
        // A value that names no symbol: nothing is chosen until the user picks one.
        m_grid->selectCell(1, 0);
        m_grid->scrollToTop();
    }
    m_ok->setEnabled(markedSymbol() >= 0);
    m_grid->setFocus();
}

int SymbolChooser::markedSymbol() const
{
    return m_grid->singleCellSelected() ? symbolAt(m_grid->Row(), m_grid->Col()) : -1;
}

void SymbolChooser::choose()
{
    const int symbol = markedSymbol();
    if (!hasAnswer() && symbol >= 0)
        finish(symbol, false);
}

void SymbolChooser::OKButton_Click()
{
    choose();
}

void SymbolChooser::AbbrechenButton_Click()
{
    if (!hasAnswer())
        finish(Value, true);
    else
        hide();
}

void SymbolChooser::reject()
{
    QDialog::reject();
    if (!hasAnswer())
        finish(Value, true);
}

void SymbolChooser::finish(int result, bool cancelled)
{
    // Answered before the pause: a click meanwhile chooses nothing more.
    Result = result;
    Cancelled = cancelled;
    if (m_pause)
        m_pause(0.2);
    giveAnswer(result);
}

} // namespace kx2
