#pragma once
#include <QString>
#include <QTime>

namespace kx2 {

// The line the main window keeps after a successful transfer until the next one: what the
// transfer counted, in whole words when it got everything done, and the time it ended.
// `tally` is the meter's "12 von 12 Datensätzen und 3 von 3 Datenformaten gesendet und geprüft":
// "12 Datensätze und 3 Datenformate gesendet und geprüft, 14:03". Without a count only the
// verb and the time: "Übertragung fertig, 14:03".
QString transferDoneText(const QString& tally, const QTime& at);

} // namespace kx2
