#include "records/ReadKeepingTables.h"

#include "records/DatabaseContext.h"
#include "records/ProgressMeter.h"
#include "records/StoredSerial.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

ReadOutcome readOrRestore(DatabaseContext& ctx, const std::function<ReadOutcome()>& read,
                          const std::function<void()>& restore)
{
    const StoredSerial serial = ctx.storedSerial;
    ReadOutcome outcome = read();
    if (outcome.end != ReadEnd::Failed && outcome.end != ReadEnd::Cancelled)
        return outcome;
    if (outcome.anyRead) {
        const QChar cr(13);
        // The meter still holds how far the read got.
        const QString text = ctx.meter.tally(QCoreApplication::translate("ReadKeepingTables", "gelesen")) + QLatin1Char('.')
            + cr + QCoreApplication::translate("ReadKeepingTables", "Sollen die bisher gelesenen Datensätze in der Tabelle bleiben?")
            + cr + QCoreApplication::translate("ReadKeepingTables", "Ja: die übrigen bleiben leer.")
            + cr + QCoreApplication::translate("ReadKeepingTables",
                                               "Nein: die Tabelle wird wiederhergestellt, wie sie vor dem Lesen war.");
        if (ctx.dialogs.ask(Question::KeepRecordsRead, text, MsgButtons::YesNo, MsgIcon::Question,
                            QCoreApplication::translate("ReadKeepingTables", "Lesen nicht vollständig"))
            == MsgAnswer::Yes) {
            outcome.kept = true;
            return outcome;
        }
    }
    restore();
    ctx.storedSerial = serial;
    return outcome;
}

} // namespace kx2
