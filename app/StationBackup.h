#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace kx2 {

class AppContext;

// How a run over all four databases ended.
struct StationRunOutcome {
    enum class End { Done, Failed, Cancelled, Declined };
    End end = End::Done;
    // One line for the user: what was saved or sent, or where the run stopped.
    QString text;
    bool ok() const { return end == End::Done; }
};

// The small text file beside the four ISD files of a backup: key=value lines, and one line per
// file that vouches for it: "datei=lokdaten.isd 152345 " and its SHA-256 in hex.
inline QString StationBackupManifestName() { return QStringLiteral("sicherung.txt"); }

// One file of a backup: its name in the folder and its bytes.
struct BackupFile {
    QString name;
    QByteArray bytes;
};

// Writes `files`, then the manifest (`manifestHead` and a line for each file), into a new folder
// beside `folder` and puts it in the place of `folder` only once all of them are written. An
// older backup there stays until then; a folder that holds anything else is not replaced. On a
// failure the old folder is as it was and nothing of the new one is left. "" or the error text.
QString WriteBackupFolder(const QString& folder, const std::vector<BackupFile>& files, const QByteArray& manifestHead);

// Reads every database over its whole address range (locomotives, accessories 1..2048, feedback
// contacts 1..4096, the 80 routes) and saves them into `folder` (WriteBackupFolder) with the
// manifest: serial number, date, `program`, the records in use of each database. The files are
// written only once all four were read. One progress window spans the whole run.
StationRunOutcome BackupStation(AppContext& ctx, const QString& folder, const QString& program,
                                const QDateTime& when = QDateTime::currentDateTimeUtc());

// Refuses a backup whose files do not match its manifest (one missing, changed or not listed).
// Loads the four files (all of them before anything is sent, so a broken file sends nothing) and
// sends them one after the other, each compared with the station the serial number of its own
// file names and with its own questions, as a send from its editor asks them; with the option
// "Nach dem Senden prüfen" each is read back and compared. A database answered with No is left
// out; another station refused, a failure or a cancel ends the run.
StationRunOutcome RestoreStation(AppContext& ctx, const QString& folder);

} // namespace kx2
