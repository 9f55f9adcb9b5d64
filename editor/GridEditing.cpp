#include "editor/GridEditing.h"

#include "shell/Cp1252.h"
#include "shell/LeadingNumber.h"

#include <algorithm>

namespace kx2 {

int cellValue(const QString& text)
{
    return leadingNumber(text);
}

GridCell tabForward(GridCell at, int rows, int cols)
{
    if (at.col < cols - 1)
        ++at.col;
    if (at.col == cols - 1) {
        at.col = 1;
        if (at.row < rows - 1)
            ++at.row;
    }
    return at;
}

GridCell tabBackward(GridCell at, int rows, int cols)
{
    (void)rows;
    (void)cols;
    if (at.col >= 2)
        --at.col;
    if (at.col == 1 && at.row >= 2)
        --at.row;
    return at;
}

bool isStorableNameChar(QChar c)
{
    // A 0 byte would end the name early.
    if (c.unicode() == 0)
        return false;
    // The five codes without a character come back from a record as C1 controls; they go
    // back unchanged.
    if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
        return true;
    return cp1252Code(c) >= 0;
}

bool isStorableName(const QString& name)
{
    return std::all_of(name.begin(), name.end(), isStorableNameChar);
}

QString storableName(const QString& name)
{
    QString out = name;
    for (QChar& c : out)
        if (!isStorableNameChar(c))
            c = QLatin1Char('?');
    return out;
}

QString symbolFile(const QString& folder, int number)
{
    return folder + QStringLiteral("/S") + QString::number(number) + QStringLiteral(".bmp");
}

} // namespace kx2
