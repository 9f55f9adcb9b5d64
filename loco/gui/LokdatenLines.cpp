// The locomotive editor's lines: how a locomotive shows in the grid, and how a step of the
// history finds its lines again.
#include "loco/gui/LokdatenFrm.h"

#include "editor/gui/FlexGrid.h"
#include "editor/gui/PictureCache.h"
#include "loco/LocoCsv.h"
#include "loco/LocoGridModel.h"
#include "loco/LocoPrint.h"
#include "loco/gui/LokFktSymFrm.h"

namespace kx2 {

CsvTable LokdatenFrm::csvTable()
{
    return locoCsv(m_loco);
}

PrintTable LokdatenFrm::printTable(const std::vector<int>& slots)
{
    // A line whose locomotive was deleted keeps its slot until the next send, but not on paper.
    std::vector<int> held;
    for (const int slot : slots)
        if (m_loco.table.holdsRecord(slot))
            held.push_back(slot);
    return locoPrintTable(m_loco.table, held, printSource(m_pictures->programFolder()));
}

int LokdatenFrm::addressValue(int row) const
{
    return cellValue(grid()->TextMatrix(row, LocoGrid::AddressCol));
}

bool LokdatenFrm::hasEmptyEntryLine() const
{
    for (int r = 1; r < grid()->Rows(); ++r)
        if (addressValue(r) == 0 && grid()->TextMatrix(r, LocoGrid::NameCol).isEmpty())
            return true;
    return false;
}

void LokdatenFrm::emptyLine(int row, const QString& address, int tag)
{
    for (int col = LocoGrid::NameCol; col < grid()->Cols(); ++col)
        grid()->setCell(row, col, QString(), QPixmap());
    grid()->setTextMatrix(row, LocoGrid::AddressCol, address);
    grid()->setTextMatrix(row, LocoGrid::FormatCol, QString());
    grid()->setRowData(row, -1);
    grid()->setLineTag(row, tag);
}

int LokdatenFrm::emptyLineTagged(int tag) const
{
    for (int r = 1; r < grid()->Rows(); ++r)
        if (grid()->RowData(r) == -1 && grid()->LineTag(r) == tag)
            return r;
    return 0;
}

void LokdatenFrm::showSymbol(int row, int col, int symbol)
{
    const bool pictured = symbolHasPicture(symbol);
    grid()->setCell(row, col, pictured ? QString() : noSymbolText(),
                    pictured ? m_pictures->picture(functionSymbolFile(symbol)) : QPixmap());
    // A picture says nothing to a screen reader: the cell speaks its meaning.
    if (QTableWidgetItem* item = grid()->item(row - 1, col - grid()->FixedCols()))
        item->setData(Qt::AccessibleTextRole, pictured ? functionSymbolMeaning(symbol) : QString());
}

void LokdatenFrm::fillLine(int row, const LocoGridLine& line)
{
    grid()->setRowData(row, line.slot);
    grid()->setRowHeightPx(row, grid()->scaled(LocoGrid::RowHeight));
    grid()->setTextMatrix(row, LocoGrid::AddressCol, line.address);
    grid()->setTextMatrix(row, LocoGrid::FormatCol, line.format);
    grid()->setTextMatrix(row, LocoGrid::NameCol, line.name);
    grid()->setTextMatrix(row, LocoGrid::SpeedCol, line.speed);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        showSymbol(row, LocoGrid::columnOfFunction(f), line.symbols[size_t(f)]);
}

std::vector<int> LokdatenFrm::showRecords(const std::vector<int>& slots, StepWay way)
{
    const LocoTable& table = m_loco.table;
    std::vector<int> lines;
    for (const int slot : slots) {
        const bool held = table.holdsRecord(slot);
        int row = grid()->rowOfData(slot);
        if (row > 0 && !held) {
            // A locomotive goes as it went when it was deleted, or back to the entry line it
            // was typed into; its line stays where it is. Blanked all at once, the table has
            // no lines left for them: the grid anew.
            if (way == StepWay::Back)
                emptyLine(row, QString(), undoneNewTag(slot));
            else if (table.status(slot) == LocoTable::StatusDeleted)
                emptyLine(row, QStringLiteral("-"), deletedTag(slot));
            else
                row = 0;
        } else if (row == 0 && held) {
            // A locomotive comes back into the line it left.
            row = emptyLineTagged(way == StepWay::Back ? deletedTag(slot) : undoneNewTag(slot));
            if (row > 0)
                fillLine(row, locoGridLineOf(table, slot));
        } else if (row > 0) {
            fillLine(row, locoGridLineOf(table, slot));
        } else {
            // Neither shown nor to be shown.
            continue;
        }
        if (row == 0) {
            showTable();
            return linesOf(slots);
        }
        lines.push_back(row);
    }
    return lines;
}

int LokdatenFrm::recordOfLine(int row) const
{
    const int slot = grid()->RowData(row);
    if (slot >= 0 && slot < LocoTable::SlotCount)
        return slot;
    // A deleted line, as long as its slot was not taken by a new locomotive meanwhile.
    const int deleted = grid()->LineTag(row);
    if (deleted >= 0 && m_loco.table.status(deleted) == LocoTable::StatusDeleted)
        return deleted;
    return -1;
}

} // namespace kx2
