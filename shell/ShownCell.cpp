#include "shell/ShownCell.h"

namespace kx2 {

QString ShownCell(const QString& cell)
{
    if (cell.size() <= MaxShownCellChars)
        return cell;
    qsizetype keep = MaxShownCellChars - 1;
    // Never half a character: a character beyond the first plane takes two.
    if (cell.at(keep - 1).isHighSurrogate())
        --keep;
    return cell.left(keep) + QChar(0x2026);
}

} // namespace kx2
