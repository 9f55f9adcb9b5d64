#include "records/TransferDone.h"

#include <QCoreApplication>

namespace kx2 {

QString TransferSubject::nameText() const
{
    return QCoreApplication::translate("TransferSubject", name);
}

QString TransferSubject::countedText(int n) const
{
    return QCoreApplication::translate("TransferSubject", counted, nullptr, n);
}

namespace {

// "a, b und c"
QString listed(const QStringList& parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return QCoreApplication::translate("TransferDone", "%1 und %2")
        .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
}

QString doneText(const TransferReport& r)
{
    const QString verb = !r.send    ? QCoreApplication::translate("TransferDone", "gelesen")
                         : r.checked ? QCoreApplication::translate("TransferDone", "gesendet und geprüft")
                                     : QCoreApplication::translate("TransferDone", "gesendet");
    if (r.counted.isEmpty())
        return QCoreApplication::translate("TransferDone", "Übertragung fertig");
    return QCoreApplication::translate("TransferDone", "%1 %2").arg(listed(r.counted), verb);
}

QString endedText(const TransferReport& r)
{
    using End = TransferReport::End;
    QString what;
    if (r.end == End::OtherStation)
        what = QCoreApplication::translate("TransferDone", "nicht gesendet, die Daten sind aus einer anderen Zentrale");
    else if (r.end == End::Cancelled)
        what = r.send ? QCoreApplication::translate("TransferDone", "Senden abgebrochen")
                      : QCoreApplication::translate("TransferDone", "Lesen abgebrochen");
    else
        what = r.send ? QCoreApplication::translate("TransferDone", "Senden fehlgeschlagen")
                      : QCoreApplication::translate("TransferDone", "Lesen fehlgeschlagen");
    if (r.send && r.end != End::OtherStation) {
        // What the station holds now matters more than how the send ended.
        if (r.partlyWritten)
            what += QCoreApplication::translate("TransferDone", ", die Zentrale ist teilweise beschrieben");
        else if (r.maybeWritten)
            what += QCoreApplication::translate("TransferDone", ", die Zentrale ist möglicherweise teilweise beschrieben");
        else
            what += QCoreApplication::translate("TransferDone", ", die Zentrale ist unverändert");
    }
    if (r.subject.isEmpty())
        return what.left(1).toUpper() + what.mid(1);
    return QCoreApplication::translate("TransferDone", "%1: %2").arg(r.subject, what);
}

} // namespace

QString transferStatusText(const TransferReport& report, const QTime& at)
{
    const QString text = report.end == TransferReport::End::Done ? doneText(report) : endedText(report);
    return QCoreApplication::translate("TransferDone", "%1, %2").arg(text, at.toString(QStringLiteral("HH:mm")));
}

} // namespace kx2
