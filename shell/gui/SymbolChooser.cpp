#include "shell/gui/SymbolChooser.h"

#include "shell/GridEditing.h"
#include "shell/gui/FlexGrid.h"
#include "shell/gui/PictureCache.h"

#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kx2 {

namespace {

// What the designed grid width counted for the scroll bar and the frame.
constexpr int DesignScrollRoom = 20;
// Lines of symbols the window shows at once.
constexpr int VisibleLines = 9;

} // namespace

SymbolChooser::SymbolChooser(const SymbolChooserDesign& design, PictureCache& pictures,
                             std::function<void(double)> pause, QWidget* parent)
    : ColumnDialog(parent)
    , m_design(design)
    , m_pause(std::move(pause))
{
    setObjectName(QString::fromLatin1(design.formName));
    setWindowTitle(design.caption);

    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QString::fromLatin1(design.gridName));
    m_grid->setTabKeyDown(false);
    m_abbrechen = new QPushButton(design.cancelCaption, this);
    m_abbrechen->setObjectName(QStringLiteral("AbbrechenButton"));
    m_abbrechen->setAutoDefault(false);
    connect(m_abbrechen, &QPushButton::clicked, this, &SymbolChooser::AbbrechenButton_Click);

    connect(m_grid, &FlexGrid::DblClick, this, &SymbolChooser::choose);
    connect(m_grid, &FlexGrid::KeyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            choose();
    });

    Form_Load(pictures);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1, Qt::AlignHCenter);
    layout->addWidget(m_abbrechen, 0, Qt::AlignHCenter);
    resize(sizeHint().width() + 40, VisibleLines * design.rowHeight + 90);
}

void SymbolChooser::Form_Load(PictureCache& pictures)
{
    const SymbolChooserDesign& d = m_design;
    m_grid->setRows(lineOf(d.symbolCount) + 1);
    m_grid->setCols(2);
    m_grid->setDefaultRowHeight(d.rowHeight);
    m_grid->setColWidth(0, d.numberWidth);
    m_grid->setColWidth(1, d.pictureWidth);
    m_grid->setTextMatrix(0, 0, d.numberHeader);
    m_grid->setTextMatrix(0, 1, d.pictureHeader);
    m_grid->fitHeaderFont();
    m_grid->setScalePictures(d.scalePictures);
    if (d.noSymbolLine) {
        m_grid->setRowHeightPx(lineOf(0), d.rowHeight);
        m_grid->setTextMatrix(lineOf(0), 0, d.noSymbolNumber);
        m_grid->setTextMatrix(lineOf(0), 1, d.noSymbolText);
    }
    for (int symbol = 1; symbol <= d.symbolCount; ++symbol) {
        const int line = lineOf(symbol);
        m_grid->setRowHeightPx(line, d.rowHeight);
        m_grid->setTextMatrix(line, 0, QString::number(symbol));
        // A missing picture leaves the cell empty.
        m_grid->setCellPicture(line, 1, pictures.picture(SymbolFile(d.pictureFolder, symbol)));
    }
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setFixedWidth(d.gridWidth - DesignScrollRoom + 2 * m_grid->frameWidth()
                          + m_grid->verticalScrollBar()->sizeHint().width());
}

void SymbolChooser::showFor(int symbol)
{
    Value = symbol;
    Result = -1;
    Cancelled = false;
    present();
    Activate();
}

void SymbolChooser::Activate()
{
    int line = lineOf(Value);
    if (m_design.keepPresetInRange)
        line = std::clamp(line, 1, lineOf(m_design.symbolCount));
    if (line >= 1 && line < m_grid->Rows()) {
        m_grid->selectCell(line, 1);
        m_grid->scrollTo(m_grid->model()->index(line - 1, 0), QAbstractItemView::PositionAtCenter);
    } else {
        // A value that names no symbol: nothing is chosen until the user picks one.
        m_grid->selectCell(1, 0);
        m_grid->scrollToTop();
    }
    m_grid->setFocus();
}

void SymbolChooser::choose()
{
    if (Result != -1 || !m_grid->singleCellSelected() || m_grid->Row() < 1 || m_grid->Col() != 1)
        return;
    finish(symbolOf(m_grid->Row()), false);
}

void SymbolChooser::AbbrechenButton_Click()
{
    if (Result == -1)
        finish(Value, true);
    else
        hide();
}

void SymbolChooser::reject()
{
    QDialog::reject();
    if (Result == -1)
        finish(Value, true);
}

void SymbolChooser::finish(int result, bool cancelled)
{
    Result = result;
    Cancelled = cancelled;
    if (m_pause)
        m_pause(0.2);
    hide();
    Q_EMIT answered();
}

} // namespace kx2
