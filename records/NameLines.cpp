#include "records/NameLines.h"

#include "records/RecordTable.h"
#include "shell/Cp1252.h"

namespace kx2::NameLines {

QString read(const RecordTable& table, int row, int line, int searchEnd)
{
    // Flash that was never written reads 255 throughout; no name fills the whole area so.
    bool neverWritten = true;
    for (int b = First; b <= Last && neverWritten; ++b)
        neverWritten = table.value(row, b) == 255;
    if (neverWritten)
        return QString();
    int start = First;
    if (line == 2) {
        start = -1;
        for (int b = First; b <= searchEnd; ++b)
            if (table.value(row, b) == Separator) {
                start = b + 1;
                break;
            }
        if (start < 0)
            return QString();
    }
    QString text;
    for (int b = start; b <= Last; ++b) {
        const int code = table.value(row, b);
        if (code == Separator || code == 0)
            break;
        text.append(cp1252Char(code & 0xFF));
    }
    return text;
}

void write(RecordTable& table, int row, const QString& line1, const QString& line2)
{
    const QByteArray one = toCp1252(line1).left(MaxChars);
    const QByteArray two = toCp1252(line2).left(MaxChars - int(one.size()));
    int b = First;
    for (char c : one)
        table.set(row, b++, int(static_cast<unsigned char>(c)));
    table.set(row, b++, Separator);
    for (char c : two)
        table.set(row, b++, int(static_cast<unsigned char>(c)));
    while (b <= Last)
        table.set(row, b++, 0);
}

} // namespace kx2::NameLines
