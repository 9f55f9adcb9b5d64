#include "app/StationBackup.h"

#include "app/AppContext.h"
#include "app/StationDatabases.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace kx2 {

namespace {

QString partText(const QString& verb, size_t index, const StationDatabase& db)
{
    return QStringLiteral("%1 %2 von %3: %4")
        .arg(verb)
        .arg(index + 1)
        .arg(StationDatabases().size())
        .arg(QString::fromUtf8(db.what));
}

// Keeps the progress window up for the whole run, whichever way it ends.
class Run {
public:
    explicit Run(Progress& progress) : m_progress(progress) { m_progress.runStarted(); }
    ~Run() { m_progress.runEnded(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

private:
    Progress& m_progress;
};

QString writeManifest(const QString& path, const QString& serial, const QDateTime& when, const QString& program,
                      const QStringList& counts)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return file.errorString();
    QByteArray text = "seriennummer=" + serial.toUtf8() + "\n";
    text += "datum=" + when.toString(Qt::ISODate).toUtf8() + "\n";
    text += "programm=" + program.toUtf8() + "\n";
    for (const QString& line : counts)
        text += line.toUtf8() + "\n";
    file.write(text);
    return file.commit() ? QString() : file.errorString();
}

} // namespace

StationRunOutcome BackupStation(AppContext& ctx, const QString& folder, const QString& program, const QDateTime& when)
{
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return {StationRunOutcome::End::Failed, QStringLiteral("Ordner kann nicht angelegt werden: ") + folder};
    const QString probe = IsdWriter::checkWritable(dir.filePath(StationDatabases().front().fileName));
    if (!probe.isEmpty())
        return {StationRunOutcome::End::Failed, probe};

    ctx.accessoryRange = {1, AccessoryTable::MaxAddress};
    ctx.feedbackRange = {1, FeedbackTable::MaxAddress};
    {
        const Run run(ctx.platform.progress);
        const auto& all = StationDatabases();
        for (size_t i = 0; i < all.size(); ++i) {
            ctx.platform.progress.runPart(partText(QStringLiteral("Sicherung"), i, all[i]));
            const ReadOutcome read = all[i].read(ctx);
            if (read.cancelled)
                return {StationRunOutcome::End::Cancelled, QStringLiteral("Sicherung abgebrochen, nichts gespeichert.")};
            if (read.result != 0)
                return {StationRunOutcome::End::Failed,
                        QStringLiteral("Sicherung fehlgeschlagen beim Lesen: %1; nichts gespeichert.")
                            .arg(QString::fromUtf8(all[i].what))};
        }
    }
    QStringList counts;
    for (const StationDatabase& db : StationDatabases()) {
        const QString error = db.file(ctx).saveTo(dir.filePath(db.fileName));
        if (!error.isEmpty())
            return {StationRunOutcome::End::Failed, error};
        counts << QStringLiteral("%1=%2").arg(db.word).arg(db.count(ctx));
    }
    const QString serial = ctx.storedSerial.numberText();
    const QString error = writeManifest(dir.filePath(StationBackupManifestName()), serial, when, program, counts);
    if (!error.isEmpty())
        return {StationRunOutcome::End::Failed, error};
    return {StationRunOutcome::End::Done, QStringLiteral("Sicherung der Zentrale %1 gespeichert in %2 (%3)")
                                              .arg(serial, QDir::toNativeSeparators(folder), counts.join(QStringLiteral(", ")))};
}

StationRunOutcome RestoreStation(AppContext& ctx, const QString& folder)
{
    const QDir dir(folder);
    if (!QFile::exists(dir.filePath(StationBackupManifestName())))
        return {StationRunOutcome::End::Failed,
                QStringLiteral("Keine Sicherung der Zentrale (%1 fehlt): %2").arg(StationBackupManifestName(), folder)};
    for (const StationDatabase& db : StationDatabases()) {
        const IsdLoadResult loaded = db.load(ctx, dir.filePath(db.fileName));
        if (!loaded.ok())
            return {StationRunOutcome::End::Failed,
                    QStringLiteral("%1: %2%3")
                        .arg(dir.filePath(db.fileName),
                             loaded.error == IsdError::WrongHeader ? IsdWrongFormatText() : IsdOpenErrorText(),
                             loaded.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(loaded.detail))};
    }
    // A route file marks for sending only the routes with a start entry; a restore makes the
    // station's routes the backup's, names of routes without entries included.
    ctx.routes.markEverythingForSending();
    const Run run(ctx.platform.progress);
    const auto& all = StationDatabases();
    QStringList sent;
    // The databases sent completely before the run ended.
    const auto sentSoFar = [&sent] { return sent.isEmpty() ? QStringLiteral("keine") : sent.join(QStringLiteral(", ")); };
    for (size_t i = 0; i < all.size(); ++i) {
        ctx.platform.progress.runPart(partText(QStringLiteral("Zurückspielen"), i, all[i]));
        const QString what = QString::fromUtf8(all[i].what);
        switch (all[i].send(ctx)) {
        case SendOutcome::Sent:
        case SendOutcome::NothingPending:
            sent << what;
            break;
        case SendOutcome::Declined:
            break;
        case SendOutcome::OtherDeviceDeclined:
            return {StationRunOutcome::End::Declined, QStringLiteral("Nicht gesendet: die Sicherung ist aus einer anderen Zentrale.")};
        case SendOutcome::Cancelled:
            return {StationRunOutcome::End::Cancelled,
                    QStringLiteral("Abgebrochen bei %1; vollständig gesendet: %2").arg(what, sentSoFar())};
        case SendOutcome::Failed:
            return {StationRunOutcome::End::Failed,
                    QStringLiteral("Fehler beim Senden: %1; vollständig gesendet: %2").arg(what, sentSoFar())};
        }
    }
    if (sent.isEmpty())
        return {StationRunOutcome::End::Declined, QStringLiteral("Nichts gesendet.")};
    return {StationRunOutcome::End::Done, QStringLiteral("Zurückgespielt: ") + sent.join(QStringLiteral(", "))};
}

} // namespace kx2
