#include "shell/ShownCell.h"

namespace kx2 {

QString shownCell(const QString& cell)
{
    qsizetype keep = cell.size();
    if (keep > MaxShownCellChars) {
        keep = MaxShownCellChars - 1;
        // Never half a character: one beyond the first plane takes two.
        if (cell.at(keep - 1).isHighSurrogate())
            --keep;
    }
    QString shown = cell.left(keep);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(c.unicode() == 0x7F ? 0x2421 : 0x2400 + c.unicode());
    return keep < cell.size() ? shown + QChar(0x2026) : shown;
}

} // namespace kx2
