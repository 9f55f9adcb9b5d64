#include "app/StationBackup.h"

#include "app/AppContext.h"
#include "app/StationDatabases.h"

#include "shell/FileErrors.h"
#include "shell/InputFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace kx2 {

namespace {

QString partText(const QString& verb, size_t index, const StationDatabase& db)
{
    return QCoreApplication::translate("StationBackup", "%1 %2 von %3: %4")
        .arg(verb)
        .arg(index + 1)
        .arg(stationDatabases().size())
        .arg(db.subject->nameText());
}

// What a whole database takes on the bus, the share of each in the run's one bar: its records'
// pages and, for locomotives and accessories, one data format each; routes also some entries each.
std::vector<double> runWeights(const std::vector<StationDatabase>& all)
{
    std::vector<double> weights;
    for (const StationDatabase& db : all) {
        const QByteArray word(db.word);
        weights.push_back(word == "loco"  ? LocoTable::SlotCount * (1.0 + LocoTable::Layout.pagesPerRecord)
                          : word == "acc" ? AccessoryTable::MaxAddress * (1.0 + AccessoryTable::Layout.pagesPerRecord)
                          : word == "fb"  ? FeedbackTable::MaxAddress * double(FeedbackTable::Layout.pagesPerRecord)
                                          : RouteTables::RouteCount * 9.0);
    }
    return weights;
}

QString errorLine(const QString& what, const QString& path, const QString& why)
{
    return what + QChar(13) + QDir::toNativeSeparators(path) + QChar(13) + why;
}

QByteArray sha256Hex(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// "" when `folder` is missing or holds nothing but the files of a backup, so that replacing it
// loses nothing else; else why not.
QString replaceableFolder(const QString& folder, const QStringList& backupNames)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return {};
    if (!info.isDir())
        return errorLine(QCoreApplication::translate("StationBackup", "Sicherung nicht angelegt"), folder,
                         QCoreApplication::translate("StationBackup", "ist eine Datei, kein Ordner"));
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries)
        if (!backupNames.contains(entry))
            return errorLine(
                QCoreApplication::translate(
                    "StationBackup", "Sicherung nicht angelegt: im Ordner liegt noch anderes als eine Sicherung"),
                folder,
                QCoreApplication::translate("StationBackup",
                                            "\"%1\" gehört nicht zu einer Sicherung; einen neuen oder leeren Ordner "
                                            "angeben")
                    .arg(entry));
    return {};
}

// The folder a backup goes to as an absolute path; a link to a folder stands for the folder, so
// that the link stays and its folder is replaced.
QString backupTarget(const QString& folder)
{
    const QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    return info.isSymLink() && !info.canonicalFilePath().isEmpty() ? info.canonicalFilePath() : info.absoluteFilePath();
}

// Why nothing new can be made in `folder`: a file is refused there for the same reasons as a
// folder, and a refused file says which.
QString whyNothingNewIn(const QString& folder)
{
    const QString probe = QDir(folder).filePath(QStringLiteral(".kx2-probe"));
    QSaveFile file(probe);
    const SystemFailure failure = file.open(QIODevice::WriteOnly) ? SystemFailure{} : failureOf(file);
    file.cancelWriting();
    return fileErrorWords(probe, failure, FileAccess::Write);
}

// The folder `path` with the folders above it: "" or why it cannot be made.
QString makeFolder(const QString& path)
{
    if (QDir().mkpath(path))
        return {};
    QString up = path;
    while (!QFileInfo::exists(up) && QFileInfo(up).absolutePath() != up)
        up = QFileInfo(up).absolutePath();
    return errorLine(QCoreApplication::translate("StationBackup", "Ordner kann nicht angelegt werden"), path,
                     whyNothingNewIn(up));
}

// A name beside `name` in `parent` that nothing uses yet: ".name.neu", ".name.neu-2", ...
QString freeNameBeside(const QDir& parent, const QString& name, const QString& what)
{
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral(".%1.%2%3").arg(name, what, n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (!QFileInfo::exists(parent.filePath(candidate)))
            return candidate;
    }
}

// Why a folder beside the backup cannot be renamed: what stops anything new there, or else
// something still using it.
QString renameWords(const QDir& parent)
{
    return QFileInfo(parent.absolutePath()).isWritable()
        ? QCoreApplication::translate("StationBackup", "der Ordner oder eine Datei darin ist noch in Gebrauch")
        : whyNothingNewIn(parent.absolutePath());
}

// Everything before the files are written: `target` may be replaced, the folder above it is
// there, and the new folder `fresh` is made beside it. "" or why not.
QString prepareFolder(const QString& target, const QStringList& backupNames, QString& fresh)
{
    const QFileInfo info(target);
    if (info.fileName().isEmpty())
        return errorLine(QCoreApplication::translate("StationBackup", "Sicherung nicht angelegt"), target,
                         QCoreApplication::translate("StationBackup", "kein Ordnername"));
    if (QString error = replaceableFolder(target, backupNames); !error.isEmpty())
        return error;
    if (QString error = makeFolder(info.absolutePath()); !error.isEmpty())
        return error;
    const QDir parent(info.absolutePath());
    fresh = freeNameBeside(parent, info.fileName(), QStringLiteral("neu"));
    if (!parent.mkdir(fresh))
        return errorLine(QCoreApplication::translate("StationBackup", "Ordner kann nicht angelegt werden"),
                         parent.filePath(fresh), whyNothingNewIn(parent.absolutePath()));
    return {};
}

// The new folder `fresh` (complete) in the place of `name`; an old folder there is renamed aside
// first and removed only once the new one is in place, or put back when it cannot be.
QString swapIn(QDir parent, const QString& fresh, const QString& name)
{
    const QString target = parent.filePath(name);
    const QString failed
        = QCoreApplication::translate("StationBackup", "Sicherung kann nicht an ihren Platz gebracht werden");
    if (!QFileInfo::exists(target)) {
        if (parent.rename(fresh, name))
            return {};
        QDir(parent.filePath(fresh)).removeRecursively();
        return errorLine(failed, target, renameWords(parent));
    }
    const QString aside = freeNameBeside(parent, name, QStringLiteral("alt"));
    if (!parent.rename(name, aside)) {
        QDir(parent.filePath(fresh)).removeRecursively();
        return errorLine(failed + QCoreApplication::translate("StationBackup", "; die alte ist unverändert"), target,
                         renameWords(parent));
    }
    if (!parent.rename(fresh, name)) {
        const QString why = renameWords(parent);
        QDir(parent.filePath(fresh)).removeRecursively();
        if (parent.rename(aside, name))
            return errorLine(failed + QCoreApplication::translate("StationBackup", "; die alte ist unverändert"),
                             target, why);
        return errorLine(failed + QCoreApplication::translate("StationBackup", "; die alte liegt jetzt in ")
                             + QDir::toNativeSeparators(parent.filePath(aside)),
                         target, why);
    }
    // The new backup is complete in its place; an old copy that would not go is only clutter.
    QDir(parent.filePath(aside)).removeRecursively();
    return {};
}

// The name of the first file of the backup in `dir` that its manifest does not vouch for: one of
// the four it does not list, or a listed one that is missing or differs in size or checksum; one
// that is there but not read (a pipe, a device, a folder) with why in brackets. "" when all match.
QString firstFileNotVouchedFor(const QDir& dir, const QByteArray& manifest)
{
    struct Listed {
        QString name;
        qint64 size;
        QByteArray sha256;
    };
    std::vector<Listed> listed;
    for (const QByteArray& line : manifest.split('\n')) {
        if (!line.startsWith("datei="))
            continue;
        // The name may hold blanks: size and checksum are the last two words.
        const QByteArray rest = line.mid(6).trimmed();
        const int hashAt = int(rest.lastIndexOf(' '));
        const int sizeAt = hashAt > 0 ? int(rest.lastIndexOf(' ', hashAt - 1)) : -1;
        if (sizeAt <= 0)
            continue;
        listed.push_back({QString::fromUtf8(rest.left(sizeAt)), rest.mid(sizeAt + 1, hashAt - sizeAt - 1).toLongLong(),
                          rest.mid(hashAt + 1).toLower()});
    }
    QStringList names;
    for (const StationDatabase& db : stationDatabases())
        names << QString::fromUtf8(db.fileName);
    for (const Listed& l : listed)
        if (!names.contains(l.name))
            names << l.name;
    for (const QString& name : names) {
        const auto it = std::find_if(listed.begin(), listed.end(), [&](const Listed& l) { return l.name == name; });
        if (it == listed.end())
            return name;
        const InputFileBytes in = readInputFile(dir.filePath(name));
        if (!in.ok() && QFileInfo::exists(dir.filePath(name)))
            return QStringLiteral("%1 (%2)").arg(name, in.error);
        if (!in.ok() || in.bytes.size() != it->size || sha256Hex(in.bytes) != it->sha256)
            return name;
    }
    return {};
}

} // namespace

QString writeBackupFolder(const QString& folder, const std::vector<BackupFile>& files, const QByteArray& manifestHead)
{
    const QString target = backupTarget(folder);
    QStringList backupNames{stationBackupManifestName()};
    for (const BackupFile& f : files)
        backupNames << f.name;
    QString fresh;
    if (QString error = prepareFolder(target, backupNames, fresh); !error.isEmpty())
        return error;
    const QDir parent(QFileInfo(target).absolutePath());
    const QDir freshDir(parent.filePath(fresh));
    QByteArray manifest = manifestHead;
    // The manifest comes last: a folder with it holds every file it vouches for.
    std::vector<BackupFile> all = files;
    for (const BackupFile& f : files)
        manifest += "datei=" + f.name.toUtf8() + ' ' + QByteArray::number(f.bytes.size()) + ' ' + sha256Hex(f.bytes) + '\n';
    all.push_back({stationBackupManifestName(), manifest});
    for (const BackupFile& f : all) {
        if (const QString why = saveFileWhole(freshDir.filePath(f.name), f.bytes); !why.isEmpty()) {
            QDir(freshDir).removeRecursively();
            return saveFailureText(QDir(target).filePath(f.name), why);
        }
    }
    return swapIn(parent, fresh, QFileInfo(target).fileName());
}

StationRun::StationRun(AppContext& ctx, bool quick) : m_ctx(ctx)
{
    m_ctx.meter.startRun(runWeights(stationDatabases()));
    m_ctx.platform.progress.runStarted();
    m_ctx.database.quickRead = quick;
    m_session = std::make_unique<TransferSession>(m_ctx.database, TransferSession::Direction::Read);
}

StationRun::~StationRun()
{
    m_ctx.database.heldAccess = nullptr;
    m_ctx.database.quickRead = false;
    // Whatever is still open is closed.
    m_session.reset();
    m_ctx.meter.endRun();
    m_ctx.platform.progress.runEnded();
}

ReadOutcome StationRun::open()
{
    // The run reads the locomotives first: their count stands from the first request on.
    m_ctx.meter.plan(ProgressMeter::Kind::Records, LocoTable::Layout.countUnitText(), LocoTable::SlotCount);
    if (!m_session->openRead())
        return m_session->endRead(false);
    m_ctx.database.heldAccess = m_session.get();
    return {};
}

ReadOutcome StationRun::read(size_t i, const QString& verb)
{
    const auto& all = stationDatabases();
    m_ctx.meter.part(i);
    m_ctx.platform.progress.runPart(partText(verb, i, all[i]));
    return all[i].read(m_ctx);
}

ReadOutcome StationRun::closeAfterRead()
{
    m_ctx.database.heldAccess = nullptr;
    return m_session->endRead(true);
}

QString fileNotVouchedFor(const QString& folder)
{
    const QDir dir(folder);
    const InputFileBytes manifest = readInputFile(dir.filePath(stationBackupManifestName()));
    if (!manifest.ok())
        return QStringLiteral("%1 (%2)").arg(stationBackupManifestName(), manifest.error);
    return firstFileNotVouchedFor(dir, manifest.bytes);
}

StationRunOutcome backupStation(AppContext& ctx, const QString& folder, const QString& program,
                                const BackupOptions& options, const QDateTime& when)
{
    const auto& all = stationDatabases();
    QStringList backupNames{stationBackupManifestName()};
    for (const StationDatabase& db : all)
        backupNames << QString::fromUtf8(db.fileName);
    // Before a read of minutes, not after it: the place must take the new folder.
    const QString target = backupTarget(folder);
    QString fresh;
    if (const QString error = prepareFolder(target, backupNames, fresh); !error.isEmpty())
        return {StationRunOutcome::End::Failed, error};
    QDir(QFileInfo(target).absolutePath()).rmdir(fresh);

    const KeptRanges kept(ctx);
    ctx.accessoryRange = {1, AccessoryTable::MaxAddress};
    ctx.feedbackRange = {1, FeedbackTable::MaxAddress};
    const StationRunOutcome cancelled{StationRunOutcome::End::Cancelled,
                                      QCoreApplication::translate("StationBackup",
                                                                  "Sicherung abgebrochen, nichts gespeichert.")};
    // A read whose records all came in is kept even when the access would not close.
    QString closing;
    {
        StationRun run(ctx, options.quick);
        ReadOutcome read = run.open();
        for (size_t i = 0; i < all.size() && read.end == ReadEnd::Complete && read.result == 0; ++i) {
            read = run.read(i, QCoreApplication::translate("StationBackup", "Sicherung"));
            if (read.result != 0 && read.end != ReadEnd::Cancelled)
                return {StationRunOutcome::End::Failed,
                        QCoreApplication::translate("StationBackup",
                                                    "Sicherung fehlgeschlagen beim Lesen: %1; nichts gespeichert.")
                            .arg(all[i].subject->nameText())};
        }
        if (read.end == ReadEnd::Cancelled)
            return cancelled;
        if (read.result != 0)
            return {StationRunOutcome::End::Failed,
                    QCoreApplication::translate("StationBackup", "Sicherung fehlgeschlagen; nichts gespeichert.")};
        if (run.closeAfterRead().result != 0)
            closing = QCoreApplication::translate(
                "StationBackup", " Die Datenbank der Zentrale ließ sich nicht schließen und ist womöglich noch offen.");
    }
    const QString serial = ctx.storedSerial.numberText();
    QByteArray head = "seriennummer=" + serial.toUtf8() + "\n";
    head += "datum=" + when.toString(Qt::ISODate).toUtf8() + "\n";
    head += "programm=" + program.toUtf8() + "\n";
    // Whoever compares or restores backups can tell how each was read.
    head += QByteArray("lesart=") + (options.quick ? "schnell" : "voll") + "\n";
    QStringList counts;
    std::vector<BackupFile> files;
    for (const StationDatabase& db : all) {
        const int count = db.count(ctx);
        // The manifest keeps its short keys for the restore; the person reads the German names.
        counts << QStringLiteral("%1 %2").arg(db.subject->nameText()).arg(count);
        head += QStringLiteral("%1=%2\n").arg(db.word).arg(count).toUtf8();
        files.push_back({QString::fromUtf8(db.fileName), db.file(ctx).data()});
    }
    if (const QString error = writeBackupFolder(target, files, head); !error.isEmpty())
        return {StationRunOutcome::End::Failed, error};
    return {StationRunOutcome::End::Done,
            QCoreApplication::translate("StationBackup", "Sicherung der Zentrale %1 gespeichert in %2 (%3)")
                    .arg(serial, QDir::toNativeSeparators(target), counts.join(QStringLiteral(", ")))
                + closing};
}

} // namespace kx2
