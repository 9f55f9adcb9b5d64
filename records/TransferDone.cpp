#include "records/TransferDone.h"

#include <QRegularExpression>
#include <QCoreApplication>

namespace kx2 {

QString transferDoneText(const QString& tally, const QTime& at)
{
    const QString time = at.toString(QStringLiteral("HH:mm"));
    if (tally.isEmpty())
        return QCoreApplication::translate("TransferDone", "Übertragung fertig, ") + time;
    const QString& text = tally;
    // "12 von 12 Datensätzen": all of them, so the plain count says it. Built per call: the
    // pattern follows the language in use, which may change while the program runs.
    const QRegularExpression whole(QCoreApplication::translate("TransferDone", "(?<!\\d)(\\d+) von \\1 (\\S+)"));
    QString out;
    qsizetype last = 0;
    for (auto it = whole.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        // Dative plural to nominative: "Datensätzen" -> "Datensätze", "Fahrstraßen" stays.
        const QString noun = m.captured(2);
        const bool dative = noun.endsWith(QStringLiteral("en")) && !noun.endsWith(QStringLiteral("ßen"));
        out += m.captured(1) + QLatin1Char(' ') + (dative ? noun.chopped(1) : noun);
        last = m.capturedEnd();
    }
    out += text.mid(last);
    return out + QStringLiteral(", ") + time;
}

} // namespace kx2
