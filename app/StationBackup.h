#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

#include "records/TransferSession.h"

namespace kx2 {

class AppContext;
struct StationDatabase;

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
inline QString stationBackupManifestName() { return QStringLiteral("sicherung.txt"); }

// One file of a backup: its name in the folder and its bytes.
struct BackupFile {
    QString name;
    QByteArray bytes;
};

// Writes `files`, then the manifest (`manifestHead` and a line for each file), into a new folder
// beside `folder` and puts it in the place of `folder` only once all of them are written. An
// older backup there stays until then; a folder that holds anything else is not replaced. On a
// failure the old folder is as it was and nothing of the new one is left. "" or the error text.
QString writeBackupFolder(const QString& folder, const std::vector<BackupFile>& files, const QByteArray& manifestHead);

// A run over all four databases within one database access of the command station: one
// progress window with one bar over all of them, the access opened once at the start and closed
// once at the end. The databases' own transfers run while it lives join its access. With `quick`
// a record whose first page is all 0xFF is taken as never written and its other pages are not read.
class StationRun {
public:
    StationRun(AppContext& ctx, bool quick);
    ~StationRun();
    StationRun(const StationRun&) = delete;
    StationRun& operator=(const StationRun&) = delete;

    // The interface, the access and the serial number; on a failure its box was shown and the
    // outcome says how it ended.
    ReadOutcome open();
    // Database i of stationDatabases() read into the tables, the progress window naming it
    // under `verb` ("Sicherung").
    ReadOutcome read(size_t i, const QString& verb);
    // The session holding the access, for the steps of the run's own.
    TransferSession& session() { return *m_session; }
    // The access closed and the port released.
    ReadOutcome closeAfterRead();

private:
    AppContext& m_ctx;
    std::unique_ptr<TransferSession> m_session;
};

// How a whole-station backup reads.
struct BackupOptions {
    // Records whose first page is all 0xFF are taken as never written without reading the rest:
    // about 0.6 of the full read. A record whose first page is all 0xFF but a later page is not
    // (written by something other than this program) is missed.
    bool quick = false;
};

// Reads every database over its whole address range (locomotives, accessories 1..2048, feedback
// contacts 1..4096, the 80 routes) in one database access and saves them into `folder`
// (writeBackupFolder) with the manifest: serial number, date, `program`, how it was read, the
// records in use of each database. The files are written only once all four were read.
StationRunOutcome backupStation(AppContext& ctx, const QString& folder, const QString& program,
                                const BackupOptions& options = {},
                                const QDateTime& when = QDateTime::currentDateTimeUtc());

// How a restore runs.
struct RestoreOptions {
    bool quick = false;  // the station read as by a quick backup before it is compared
    bool dryRun = false; // only say what would be written and erased
};

// Refuses a backup whose files do not match its manifest (one missing, changed or not listed)
// and loads its four files (all of them before anything is sent). Then reads what the station
// holds, as a backup does, and writes only what differs: records whose bytes (record numbers
// aside) differ get the backup's bytes and a new number, records the station holds but the
// backup holds as never written are erased (all pages 0xFF), differing data formats and route
// entries are written. Asks first, naming per database what it will write and erase; a station
// that equals the backup is not written at all. With the option "Nach dem Senden prüfen" what
// was written is read back and compared.
StationRunOutcome restoreStation(AppContext& ctx, const QString& folder, const RestoreOptions& options = {});

// The name of the first file in the backup folder `dir` that its manifest does not vouch for; ""
// when all match. A missing manifest names the manifest.
QString fileNotVouchedFor(const QString& dir);

} // namespace kx2
