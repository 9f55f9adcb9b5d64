#include "editor/gui/GridPrint.h"

#include "editor/gui/FlexGrid.h"

#include <QDate>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace kx2 {

GridPrint::GridPrint(const FlexGrid& grid, std::function<QString()> stationSerial)
    : m_grid(grid)
    , m_stationSerial(std::move(stationSerial))
{
}

PrintTable GridPrint::table(const QString& caption) const
{
    PrintTable table;
    table.caption = caption;
    table.serial = m_stationSerial ? m_stationSerial() : QString();
    table.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    // The columns that stay in view as the grid scrolls (address, name) head every column group.
    table.keyColumns = std::max(m_grid.FixedCols(), m_grid.FrozenCols());
    for (int c = 0; c < m_grid.Cols(); ++c)
        table.titles << m_grid.TextMatrix(0, c);
    std::vector<int> gridRows;
    for (int r = 1; r < m_grid.Rows(); ++r) {
        // The line for a new record stays off the paper.
        bool empty = true;
        QStringList cells;
        for (int c = 0; c < m_grid.Cols(); ++c) {
            cells << m_grid.TextMatrix(r, c);
            empty = empty && cells.back().isEmpty() && m_grid.CellPicture(r, c).isNull();
        }
        if (empty)
            continue;
        table.rows.push_back(cells);
        gridRows.push_back(r);
    }
    const FlexGrid& grid = m_grid;
    table.picture = [&grid, gridRows](int row, int col) { return grid.CellPicture(gridRows[size_t(row)], col).toImage(); };
    return table;
}

void GridPrint::print(QPrinter& printer, const QString& caption) const
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    paintTable(printer, table(caption));
    QGuiApplication::restoreOverrideCursor();
}

void GridPrint::printAsked(QWidget* parent, const QString& caption) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("GridPrint", "Drucken"));
    if (dialog.exec() == QDialog::Accepted)
        print(printer, caption);
}

QString GridPrint::savePdf(const QString& path, const QString& caption) const
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = writeTablePdf(path, table(caption));
    QGuiApplication::restoreOverrideCursor();
    return error;
}

} // namespace kx2
