#include "dbproto/DbProtocol.h"

#include "shell/Cp1252.h"

#include <QList>

namespace kx2 {

// The display's answers are not looked at: only a failed exchange counts. What the display shows
// is no data of the station's, so a lost answer is asked for again.
int DbProtocol::DisplayClear()
{
    const int r = exchangeReadRequest(commandOf({0, 0, 0, 0, 0, 0, 0, 0}, false, dbwire::DisplayClear)).result;
    return r != 0 ? r + dbrc::OpDisplayClear : 0;
}

int DbProtocol::DisplaySetCursor(int a, int b)
{
    // The command station takes the low byte of b twice.
    const int r = exchangeReadRequest(
        commandOf({a & 0xFF, (a >> 8) & 0xFF, b & 0xFF, b & 0xFF, 0, 0, 0, 0}, false, dbwire::DisplayCursor)).result;
    return r != 0 ? r + dbrc::OpDisplayCursor : 0;
}

int DbProtocol::DisplayWriteText(const QString& text)
{
    DbCommand command = commandOf({0, 0, 0, 0, 0, 0, 0, 0}, false, dbwire::DisplayText);
    // Characters, not UTF-16 units: a character outside the basic plane is one '?'.
    int k = 0;
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        if (k == 20)
            break;
        int code = cp <= 0xFFFF ? cp1252Code(QChar(char16_t(cp))) : -1;
        command.d[size_t(k++)] = code < 0 ? '?' : code;
    }
    const int r = exchangeReadRequest(command).result;
    return r != 0 ? r + dbrc::OpDisplayText : 0;
}

} // namespace kx2
