#include "dbproto/DbMessageText.h"

#include "dbproto/DbWire.h"
#include "link/LocoNetLink.h"
#include "link/MessageFramer.h"
#include "link/MessageText.h"
#include "shell/Cp1252.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

int at(const QByteArray& m, int i)
{
    return i < m.size() ? static_cast<unsigned char>(m[i]) : 0;
}

bool startsWith(const QByteArray& m, const std::array<int, 5>& head)
{
    for (size_t i = 0; i < head.size(); ++i)
        if (at(m, int(i)) != head[i])
            return false;
    return true;
}

// D1..D20 (index 1..20) and the selectors of a message in the database command's group layout.
struct Groups {
    std::array<int, 21> d{};
    dbwire::Selectors s{};
};

Groups unpackGroups(const QByteArray& m)
{
    Groups g;
    for (int group = 1; group <= 5; ++group) {
        const int header = at(m, dbwire::HeaderPos[size_t(group)]);
        for (int k = 1; k <= 4; ++k)
            g.d[size_t(4 * (group - 1) + k)] =
                at(m, dbwire::HeaderPos[size_t(group)] + k) | ((header >> (k - 1)) & 1) << 7;
    }
    g.s = {at(m, dbwire::HeaderPos[3]) >> 4, at(m, dbwire::HeaderPos[4]) >> 4, at(m, dbwire::HeaderPos[5]) >> 4};
    return g;
}

QString areaText(const Groups& g)
{
    const int area = g.d[3] | (g.d[4] << 8);
    const struct {
        dbwire::AreaCode code;
        const char* name;
    } areas[] = {
        {dbwire::SamFlashRead, QT_TRANSLATE_NOOP("DbMessageText", "SAM-Flash lesen")},
        {dbwire::SamFlashWrite, QT_TRANSLATE_NOOP("DbMessageText", "SAM-Flash schreiben")},
        {dbwire::DataFlashRead, QT_TRANSLATE_NOOP("DbMessageText", "Daten-Flash lesen")},
        {dbwire::DataFlashWrite, QT_TRANSLATE_NOOP("DbMessageText", "Daten-Flash schreiben")},
    };
    for (const auto& a : areas)
        if (g.d[1] == a.code.d1 && g.d[2] == a.code.d2)
            return QCoreApplication::translate("DbMessageText", "Datenbank: %1, Bereich %2")
                .arg(QCoreApplication::translate("DbMessageText", a.name))
                .arg(area);
    return QCoreApplication::translate("DbMessageText", "Datenbank: Bereichsbefehl %1").arg(area);
}

QString commandText(const Groups& g)
{
    const int record = g.d[17] | (g.d[18] << 8);
    if (g.s == dbwire::BootStartStep1)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Bootloader starten, Schritt 1");
    if (g.s == dbwire::BootStartStep2)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Bootloader starten, Schritt 2");
    if (g.s == dbwire::BootEnd)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Bootloader beenden");
    if (g.s == dbwire::AreaCommand)
        return areaText(g);
    if (g.s == dbwire::PageRead)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Seite %1 lesen").arg(record);
    if (g.s == dbwire::PageWrite)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Seite %1 schreiben").arg(record);
    if (g.s == dbwire::DisplayClear)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Anzeige löschen");
    if (g.s == dbwire::DisplayCursor)
        return QCoreApplication::translate("DbMessageText", "Datenbank: Anzeige Cursor %1, %2")
            .arg(g.d[1] | (g.d[2] << 8))
            .arg(g.d[3]);
    if (g.s == dbwire::DisplayText) {
        QByteArray text;
        for (int k = 1; k <= 20 && g.d[size_t(k)] != 0; ++k)
            text.append(char(g.d[size_t(k)]));
        return QCoreApplication::translate("DbMessageText", "Datenbank: Anzeige \"%1\"").arg(fromCp1252(text));
    }
    return QCoreApplication::translate("DbMessageText", "Datenbank: Befehl %1/%2/%3")
        .arg(g.s.s1)
        .arg(g.s.s2)
        .arg(g.s.s3);
}

QString formatText(const QByteArray& m, bool reply)
{
    // Byte 6 carries bit 7 of bytes 7..13.
    const auto byte = [&m](int i) { return at(m, i) | ((at(m, 6) >> (i - 7)) & 1) << 7; };
    const int address = byte(7) | (byte(8) << 8);
    QString what;
    switch (at(m, 5)) {
    case 12:
        what = QCoreApplication::translate("DbMessageText", "Lokdatenformat schreiben");
        break;
    case 13:
        what = QCoreApplication::translate("DbMessageText", "Lokdatenformat lesen");
        break;
    case 15:
        what = QCoreApplication::translate("DbMessageText", "Magnetartikelformat schreiben");
        break;
    case 16:
        what = QCoreApplication::translate("DbMessageText", "Magnetartikelformat lesen");
        break;
    default:
        what = QCoreApplication::translate("DbMessageText", "Datenformat, Anfrage %1").arg(at(m, 5));
        break;
    }
    QString text = (reply ? QCoreApplication::translate("DbMessageText", "Antwort ") : QString()) + what
        + QCoreApplication::translate("DbMessageText", ", Adresse %1").arg(address);
    if (reply || at(m, 5) == 12 || at(m, 5) == 15)
        text += QCoreApplication::translate("DbMessageText", ": Werte %1, %2").arg(byte(9)).arg(byte(10));
    return text;
}

} // namespace

QString describeDbMessage(const QByteArray& m)
{
    if (m.size() == dbwire::CommandHead[1] && startsWith(m, dbwire::CommandHead))
        return commandText(unpackGroups(m));
    if (m.size() == dbwire::DataReplyHead[1] && startsWith(m, dbwire::DataReplyHead)) {
        LocoNetLink::Slot slot{};
        for (int i = 0; i < m.size(); ++i)
            slot[size_t(i)] = int16_t(at(m, i));
        if (LocoNetLink::isReadyMessage(slot))
            return QCoreApplication::translate("DbMessageText", "Datenbank: Bereitmeldung der Zentrale");
        return QCoreApplication::translate("DbMessageText", "Datenbank: Datenantwort");
    }
    if (m.size() == dbwire::FormatHead[1] && startsWith(m, dbwire::FormatHead))
        return formatText(m, false);
    std::array<int, 5> replyHead = dbwire::FormatHead;
    replyHead[0] = dbwire::FormatReplyOpcode;
    if (m.size() == dbwire::FormatHead[1] && startsWith(m, replyHead))
        return formatText(m, true);
    return {};
}

QString describeBusMessage(const QByteArray& message)
{
    // A garbled message is not read as a database message: its words come from the link.
    const QString own = MessageFramer::checksumOk(message) ? describeDbMessage(message) : QString();
    return own.isEmpty() ? describeLocoNetMessage(message) : own;
}

} // namespace kx2
