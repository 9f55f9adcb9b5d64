#include "loco/gui/LokFktSymFrm.h"

#include "loco/LocoGridModel.h"
#include "shell/gui/FlexGrid.h"
#include "shell/gui/PictureCache.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kx2 {

LokFktSymFrm::LokFktSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : QDialog(parent)
    , m_pause(std::move(pause))
{
    setObjectName(QStringLiteral("LokFktSymFrm"));
    setWindowTitle(QStringLiteral("Lok Fkt.-Symbole"));
    setModal(false);

    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("LokFktSymGrid"));
    m_grid->setTabKeyDown(false);
    m_abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("AbbrechenButton"));
    m_abbrechen->setAutoDefault(false);
    connect(m_abbrechen, &QPushButton::clicked, this, &LokFktSymFrm::AbbrechenButton_Click);

    connect(m_grid, &FlexGrid::DblClick, this, &LokFktSymFrm::choose);
    connect(m_grid, &FlexGrid::KeyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            choose();
    });

    Form_Load(pictures);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1, Qt::AlignHCenter);
    layout->addWidget(m_abbrechen, 0, Qt::AlignHCenter);
    resize(sizeHint().width() + 40, 9 * CellSize + 90);
}

void LokFktSymFrm::Form_Load(PictureCache& pictures)
{
    m_grid->setRows(SymbolRows + 1);
    m_grid->setCols(2);
    m_grid->setDefaultRowHeight(CellSize);
    m_grid->setColWidth(0, CellSize);
    m_grid->setColWidth(1, CellSize);
    m_grid->setTextMatrix(0, 0, QStringLiteral("F-Nr."));
    m_grid->setTextMatrix(0, 1, QStringLiteral("Sym."));
    m_grid->setTextMatrix(1, 0, QStringLiteral("-"));
    m_grid->setTextMatrix(1, 1, NoSymbolText());
    for (int row = 2; row <= SymbolRows; ++row) {
        const int symbol = row - 1;
        m_grid->setRowHeightPx(row, CellSize);
        m_grid->setTextMatrix(row, 0, QString::number(symbol));
        m_grid->setCellPicture(row, 1, pictures.picture(FunctionSymbolFile(symbol)));
    }
    m_grid->setRowHeightPx(1, CellSize);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Two 39-pixel columns and the scroll bar.
    m_grid->setFixedWidth(2 * CellSize + 2 * m_grid->frameWidth() + m_grid->verticalScrollBar()->sizeHint().width());
}

void LokFktSymFrm::showFor(int symbol)
{
    SymbolValue = symbol;
    SymbolResult = -1;
    Cancelled = false;
    show();
    raise();
    activateWindow();
    Activate();
}

void LokFktSymFrm::Activate()
{
    const int row = SymbolValue + 1;
    if (row >= 1 && row <= SymbolRows) {
        m_grid->selectCell(row, 1);
        m_grid->scrollTo(m_grid->model()->index(row - 1, 0), QAbstractItemView::PositionAtCenter);
    } else {
        // A byte that names no symbol: nothing is chosen until the user picks one.
        m_grid->selectCell(1, 0);
        m_grid->scrollToTop();
    }
    m_grid->setFocus();
}

void LokFktSymFrm::choose()
{
    if (SymbolResult != -1 || !m_grid->singleCellSelected() || m_grid->Row() < 1 || m_grid->Col() != 1)
        return;
    finish(m_grid->Row() - 1, false);
}

void LokFktSymFrm::AbbrechenButton_Click()
{
    if (SymbolResult == -1)
        finish(SymbolValue, true);
    else
        hide();
}

void LokFktSymFrm::reject()
{
    QDialog::reject();
    if (SymbolResult == -1)
        finish(SymbolValue, true);
}

void LokFktSymFrm::finish(int result, bool cancelled)
{
    SymbolResult = result;
    Cancelled = cancelled;
    if (m_pause)
        m_pause(0.2);
    hide();
    Q_EMIT answered();
}

} // namespace kx2
