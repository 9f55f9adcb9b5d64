#include "editor/RangePrint.h"

#include "editor/GridEditing.h"
#include "records/RangeRecordTable.h"

#include <QCoreApplication>

namespace kx2 {

QString rangeSymbolFolder()
{
    return QStringLiteral("Konf/Mag_Symbole");
}

PrintTable rangePrintTable(const RangeRecordTable& table, const std::vector<int>& addresses, const QString& caption,
                           const std::vector<RangePrintColumn>& ownColumns, const PrintSource& source)
{
    PrintTable print = newPrintTable(caption, source);
    print.titles << QCoreApplication::translate("RangeRecordEditor", "Adr.");
    for (const RangePrintColumn& c : ownColumns)
        print.titles << c.title;
    print.titles << QCoreApplication::translate("RangeRecordEditor", "Name Zeile1")
                 << QCoreApplication::translate("RangeRecordEditor", "Name Zeile2")
                 << QCoreApplication::translate("RangeRecordEditor", "Symbol");
    // The address, the own columns and the names, as the grid keeps them in view.
    const int symbolCol = int(print.titles.size()) - 1;
    print.keyColumns = symbolCol;
    PrintPictures pictures(source.programFolder);
    for (const int a : addresses) {
        QStringList cells{QString::number(a)};
        for (const RangePrintColumn& c : ownColumns)
            cells << c.text(a);
        cells << table.nameLine(a, 1) << table.nameLine(a, 2);
        const int symbol = table.shownSymbol(a);
        const QImage picture = symbol > 0 ? pictures.picture(symbolFile(rangeSymbolFolder(), symbol)) : QImage();
        if (!picture.isNull())
            print.pictures.insert({int(print.rows.size()), symbolCol}, picture);
        cells << (symbol == 0 ? QStringLiteral("-") : picture.isNull() ? QString::number(symbol) : QString());
        print.rows.push_back(cells);
    }
    return print;
}

} // namespace kx2
