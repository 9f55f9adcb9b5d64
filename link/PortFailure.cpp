#include "link/PortFailure.h"

#include <QCoreApplication>

namespace kx2 {

QString portFailureText(const QString& portText, const QString& systemName, PortFailure why,
                        const QString& systemReason)
{
    const QString typed = portText.trimmed();
    QString port = QCoreApplication::translate("PortFailure", "ComPort ") + typed;
    if (!systemName.isEmpty() && systemName != typed)
        port += QStringLiteral(" (") + systemName + QLatin1Char(')');
    QString reason;
    switch (why) {
    case PortFailure::NoSuchDevice:
        reason = QCoreApplication::translate("PortFailure",
                                             "Gerät nicht vorhanden (nicht angeschlossen oder falscher Name)");
        break;
    case PortFailure::Busy:
        reason = QCoreApplication::translate("PortFailure", "belegt: ein anderes Programm hat den Port geöffnet");
        break;
    case PortFailure::NoPermission:
        reason = QCoreApplication::translate("PortFailure", "keine Berechtigung");
#ifdef Q_OS_LINUX
        // Serial devices belong to the group dialout.
        reason += QCoreApplication::translate("PortFailure", " (der Benutzer muss Mitglied der Gruppe dialout sein)");
#endif
        break;
    case PortFailure::Other:
        // The system's own words may be English: they stand in brackets behind ours.
        reason = systemReason.isEmpty()
            ? QCoreApplication::translate("PortFailure", "unbekannter Fehler")
            : QCoreApplication::translate("PortFailure", "Fehler des Systems (%1)").arg(systemReason);
        break;
    }
    return port + QStringLiteral(": ") + reason;
}

} // namespace kx2
