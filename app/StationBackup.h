#pragma once
#include <QDateTime>
#include <QString>

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

// The small text file beside the four ISD files of a backup: key=value lines.
inline QString StationBackupManifestName() { return QStringLiteral("sicherung.txt"); }

// Reads every database over its whole address range (locomotives, accessories 1..2048, feedback
// contacts 1..4096, the 80 routes) and saves them into `folder` (made when missing) with the
// manifest: serial number, date, `program`. The files are written only once all four were read,
// so a folder holds a complete backup or none. One progress window spans the whole run.
StationRunOutcome BackupStation(AppContext& ctx, const QString& folder, const QString& program,
                                const QDateTime& when = QDateTime::currentDateTimeUtc());

// Loads the four files of a backup (all of them before anything is sent, so a broken file sends
// nothing) and sends them one after the other, each with its own questions as a send from its
// editor asks them. A database answered with No is left out; another station refused, a failure
// or a cancel ends the run.
StationRunOutcome RestoreStation(AppContext& ctx, const QString& folder);

} // namespace kx2
