#include "loco/LocoPrint.h"

#include "loco/LocoGridModel.h"
#include "loco/LocoTable.h"

#include <QCoreApplication>

namespace kx2 {

QString locoEditorCaption()
{
    return QCoreApplication::translate("LokdatenFrm", "Lok-Datensätze:");
}

PrintTable locoPrintTable(const LocoTable& table, const std::vector<int>& slots, const PrintSource& source)
{
    PrintTable print = newPrintTable(locoEditorCaption(), source);
    for (int col = 0; col < LocoGrid::Cols; ++col)
        print.titles << LocoGrid::header(col);
    print.keyColumns = LocoGrid::NameCol + 1;
    PrintPictures pictures(source.programFolder);
    for (const int slot : slots) {
        const LocoGridLine line = locoGridLineOf(table, slot);
        const int row = int(print.rows.size());
        QStringList cells{line.address, line.format, line.name, line.speed};
        for (int f = 0; f < LocoTable::FunctionCount; ++f) {
            const int symbol = line.symbols[size_t(f)];
            const QImage picture = symbolHasPicture(symbol) ? pictures.picture(functionSymbolFile(symbol)) : QImage();
            if (!picture.isNull())
                print.pictures.insert({row, LocoGrid::columnOfFunction(f)}, picture);
            // The window's "Fkt. nicht anz." would make every function column five times as wide.
            cells << (!symbolHasPicture(symbol) ? QStringLiteral("-") : picture.isNull() ? QString::number(symbol) : QString());
        }
        print.rows.push_back(cells);
    }
    return print;
}

} // namespace kx2
