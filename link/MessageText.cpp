#include "link/MessageText.h"

#include "link/LocoNetLink.h"
#include "link/MessageFramer.h"

#include <QStringList>
#include <QCoreApplication>

namespace kx2 {

namespace {

int at(const QByteArray& m, int i)
{
    return i < m.size() ? static_cast<unsigned char>(m[i]) : 0;
}

QString opcodeHex(int opcode)
{
    return QStringLiteral("0x") + ByteToHex(opcode);
}

// Direction bit and F0..F4 of a slot's DIRF byte.
QString directionAndFunctions(int dirf)
{
    QStringList on;
    if (dirf & 0x10)
        on << QStringLiteral("F0");
    for (int f = 1; f <= 4; ++f)
        if (dirf & (1 << (f - 1)))
            on << QStringLiteral("F%1").arg(f);
    return QCoreApplication::translate("MessageText", "%1, Funktionen an: %2")
        .arg(dirf & 0x20 ? QCoreApplication::translate("MessageText", "rückwärts")
                         : QCoreApplication::translate("MessageText", "vorwärts"),
             on.isEmpty() ? QCoreApplication::translate("MessageText", "keine") : on.join(QLatin1Char(' ')));
}

QString speedText(int speed)
{
    return speed == 0 ? QCoreApplication::translate("MessageText", "Halt")
        : speed == 1  ? QCoreApplication::translate("MessageText", "Nothalt")
                      : QCoreApplication::translate("MessageText", "Fahrstufe %1").arg(speed - 1);
}

} // namespace

QString hexBytes(const QByteArray& message)
{
    QStringList words;
    for (char b : message)
        words << ByteToHex(static_cast<unsigned char>(b));
    return words.join(QLatin1Char(' '));
}

QString describeLocoNetMessage(const QByteArray& m)
{
    // A bit changed on the line: the bytes say nothing reliable, and the tool dropped them.
    if (!MessageFramer::checksumOk(m))
        return QCoreApplication::translate("MessageText", "Prüfsumme falsch, verworfen");
    const int op = at(m, 0);
    // Switch and sensor addresses: seven low bits in byte 1, the high bits in byte 2.
    const int address = at(m, 1) | ((at(m, 2) & 0x0F) << 7);
    switch (op) {
    case 0x83:
        return QCoreApplication::translate("MessageText", "Gleisspannung ein");
    case 0x82:
        return QCoreApplication::translate("MessageText", "Gleisspannung aus");
    case 0x85:
        return QCoreApplication::translate("MessageText", "Nothalt für alle (Leerlauf)");
    case 0xB2:
        // Two inputs share a low address; bit 5 of byte 2 says which.
        return QCoreApplication::translate("MessageText", "Rückmelder %1: %2")
            .arg(address * 2 + (at(m, 2) & 0x20 ? 2 : 1))
            .arg(at(m, 2) & 0x10 ? QCoreApplication::translate("MessageText", "belegt")
                                 : QCoreApplication::translate("MessageText", "frei"));
    case 0xB0:
        return QCoreApplication::translate("MessageText", "Weiche %1 stellen: %2, Ausgang %3")
            .arg(address + 1)
            .arg(at(m, 2) & 0x20 ? QCoreApplication::translate("MessageText", "grün")
                                 : QCoreApplication::translate("MessageText", "rot"),
                 at(m, 2) & 0x10 ? QCoreApplication::translate("MessageText", "ein")
                                 : QCoreApplication::translate("MessageText", "aus"));
    case 0xB1:
        if (at(m, 2) & 0x40)
            return QCoreApplication::translate("MessageText", "Weichenmeldung %1: %2 %3")
                .arg(address + 1)
                .arg(at(m, 2) & 0x20 ? QCoreApplication::translate("MessageText", "Weicheneingang")
                                     : QCoreApplication::translate("MessageText", "Hilfseingang"),
                     at(m, 2) & 0x10 ? QCoreApplication::translate("MessageText", "ein")
                                     : QCoreApplication::translate("MessageText", "aus"));
        return QCoreApplication::translate("MessageText", "Weichenmeldung %1: Ausgang grün %2, rot %3")
            .arg(address + 1)
            .arg(at(m, 2) & 0x20 ? QCoreApplication::translate("MessageText", "ein")
                                 : QCoreApplication::translate("MessageText", "aus"),
                 at(m, 2) & 0x10 ? QCoreApplication::translate("MessageText", "ein")
                                 : QCoreApplication::translate("MessageText", "aus"));
    case 0xBB:
        return QCoreApplication::translate("MessageText", "Slot %1 anfordern").arg(at(m, 1));
    case 0xBF:
        return QCoreApplication::translate("MessageText", "Slot für Lok %1 anfordern").arg(at(m, 2) | (at(m, 1) << 7));
    case 0xA0:
        return QCoreApplication::translate("MessageText", "Slot %1: %2").arg(at(m, 1)).arg(speedText(at(m, 2)));
    case 0xA1:
        return QCoreApplication::translate("MessageText", "Slot %1: %2")
            .arg(at(m, 1))
            .arg(directionAndFunctions(at(m, 2)));
    case 0xB4:
        return QCoreApplication::translate("MessageText", "Quittung auf %1: Code %2")
            .arg(opcodeHex(at(m, 1) | 0x80), opcodeHex(at(m, 2)));
    case 0xE7:
        if (m.size() == 14)
            return QCoreApplication::translate("MessageText", "Slotdaten Slot %1: Lok %2, %3, %4")
                .arg(at(m, 2))
                .arg(at(m, 4) | (at(m, 9) << 7))
                .arg(speedText(at(m, 5)), directionAndFunctions(at(m, 6)));
        break;
    default: break;
    }
    return QCoreApplication::translate("MessageText", "Opcode %1, %2 Bytes").arg(opcodeHex(op)).arg(m.size());
}

} // namespace kx2
