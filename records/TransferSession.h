#pragma once
#include "dbproto/WrittenData.h"
#include "records/TransferDone.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace kx2 {

struct DatabaseContext;
struct ReadBackNames;
enum class MsgIcon;

// How a database read ended.
enum class ReadEnd {
    Complete,   // every record read: the table holds what the station holds
    Unclosed,   // every record read, but closing the access failed: it may still be open
    NoPort,     // the port could not be opened: the table stays emptied, to be filled by hand
    Failed,     // a step failed and was reported; the rows not reached stay empty
    Cancelled,  // the user ended it; the rows not reached stay empty
};

// What a database read ended with.
struct ReadOutcome {
    int result = 0;  // 0, or the ResultCode that was shown to the user
    ReadEnd end = ReadEnd::Complete;
    // A read that stopped early had read something before it stopped.
    bool anyRead = false;
    // ... and the user kept what it read (see readKeepingTables).
    bool kept = false;
    // The table holds every record of the station.
    bool recordsComplete() const { return end == ReadEnd::Complete || end == ReadEnd::Unclosed; }
    // The editor opens after a complete read, on the emptied table when there was no port, and on
    // the records of a read that stopped early when the user kept them.
    bool opensEditor() const { return recordsComplete() || end == ReadEnd::NoPort || kept; }
};

// What a database send ended with.
enum class SendOutcome {
    NothingPending,      // nothing changed: nothing asked, no port opened
    Declined,            // the user answered No to the first question
    OtherDeviceDeclined, // the user refused to overwrite another command station's data
    Sent,
    Failed,              // a step failed, or what was read back differs from what was sent
    Cancelled,           // the user ended it; what was written so far stays written
};

// The frame every database transfer runs in: the interface set up, the progress window, the
// database access opened with the command station's display, the serial number read and
// compared, the access closed, and the failure box. Each driver composes these steps in its own
// order and puts its own between them; each step returns whether the transfer goes on, and the
// first failure stays in result(). Whichever way a driver leaves, the access the session opened
// is closed and the port released.
//
// The user may cancel a transfer from its progress window (or kx2ctl's Ctrl+C): the next
// exchange is then not sent, the driver stops as at a failure, and the session tells how far the
// transfer got instead of showing the failure box. Drivers say what they count through the
// context's ProgressMeter; a send can have what it stored read back and compared.
class TransferSession {
public:
    enum class Direction { Read, Send };
    // What the serial number of the connected station says about the table.
    enum class Station { Same, Replace, Declined };

    // A read disables the main window's data controls until the session ends.
    TransferSession(DatabaseContext& ctx, Direction direction);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    int result() const { return m_result; }
    bool ok() const { return m_result == 0; }

    // What the transfer is about, for the main window's status line.
    void about(const TransferSubject& subject) { m_subject = &subject; }
    // How many of its records the transfer moved: the records in use a read found, the user's
    // changes a send wrote. A transfer that joins a held access counts for the holder's line.
    void counted(int n);
    // A run over several databases counts each one it moved; forgetCounts starts over.
    void counted(const TransferSubject& subject, int n);
    void forgetCounts() { m_counted.clear(); }

    // ConnectInterface. The feedback send sets the interface up twice.
    bool connect();
    // The progress window, shown with " Datenbank öffnen".
    void showProgress();
    // StartBootloader, the ring emptied, a second's pause, and the display cleared and written:
    // "Datenbank lesen" or "Datenbank schreiben".
    bool openAccess();
    // A read whose access stays open to write next (a restore): " Schreiben vorbereiten", the
    // display says "Datenbank schreiben" and the end speaks of a send.
    bool startWriting();
    // The station's four identity values as this session read them.
    const std::array<int, 4>& stationIds() const { return m_ids; }
    // " Seriennummer lesen". A read stores the number as the tables' StoredSerial (empty when it
    // cannot be read); a failed read of it is a failure that names the step, for a send too:
    // without it the station cannot be told from another one.
    bool readSerial(std::array<int, 4>& ids);
    // A send: the connected station's numbers against StoredSerial. Another station is written
    // only after the user confirmed it as a complete replacement (asked under `title`);
    // Declined closes the access and the port and hides the progress window.
    Station checkStation(const std::array<int, 4>& ids, const QString& title);
    // After a successful send: the table now is this station's.
    void adoptStation(const std::array<int, 4>& ids);
    // The serial number the session read (0 before).
    double serialNumber() const { return m_serial; }
    // One of the driver's own steps, run while the session has not failed; what it returns
    // becomes the session's result.
    bool run(const std::function<int()>& step);
    void stepText(const QString& text);
    // " Datenbank schließen", a pause of `pauseSeconds`, EndBootloader.
    bool closeAccess(double pauseSeconds = 0.5);
    // The end of a successful transfer: " fertig!" over "Schließen", the port closed, the progress
    // window hidden after half a second (a read enables the main controls first).
    void finish();
    // The progress window hidden, then the failure box (ResultText, critical icon, `title`); the
    // access and the port closed. Returns the result.
    int fail(const QString& title);

    // The question every send asks first, under its database's title.
    static bool askStoreChanges(DatabaseContext& ctx, const QString& title);

    // --- the openings and ends every read and every send share ---
    // A read: the interface, the progress window, the access and the serial number.
    bool openRead();
    // The end of a read whose own steps returned `ok`: the close and " fertig!", or the failure
    // box; when only the close failed, a box that says the records are complete and the access
    // may still be open. The editor opens after success and when the port cannot be opened.
    ReadOutcome endRead(bool ok);
    // A send: the first question (under `title`), the interface, the progress window, the
    // database's own step after the set-up, the access, the serial number and the other-station
    // question (under `stationTitle`); `replace` marks everything for writing when the user
    // confirmed a replacement. `plan` tells the meter what the send will write: after the first
    // question, so that the count stands from the first request, and again after a replacement.
    // Nothing when the send goes on; otherwise how it ended.
    std::optional<SendOutcome> openSend(const QString& title, const QString& stationTitle,
                                        const std::function<bool()>& afterConnect,
                                        const std::function<void()>& replace, const std::function<void()>& plan);
    // The failure box of a send, with how much was written before it failed; when the user
    // cancelled, what happened instead.
    SendOutcome failSend();
    // After openSend: with the option "Nach dem Senden prüfen" on, what the send stores from now
    // on is kept, and endSend reads it back and compares it before closing the access.
    void checkAfterSend(const ReadBackNames& names);
    // A check of the session's own found these differences (one line each): a failure when any.
    bool noteDifferences(const QStringList& lines);
    // The differences the last check found (one line each).
    const QStringList& differences() const { return m_differences; }
    // Whether the transfer ended because the user cancelled it.
    bool cancelled() const;
    // " Datenbank Index schreiben": the record counter stored after records got new numbers.
    // Without it the next send would reuse them, so a failure counts.
    bool writeIndex();
    // The end of a send whose own steps all succeeded: the close, then the table belongs to this
    // station. Sent, or Failed when the close failed.
    SendOutcome endSend(double closePauseSeconds = 0.5);

private:
    void release();
    // ResultText of the result, with the port's reason when it has one.
    QString resultWords() const;
    // The read back after a send; false when it failed or found differences.
    bool checkWritten();
    // "23 von 60 Datensätzen geschrieben; die Zentrale ist teilweise beschrieben"; "" when no
    // write was counted.
    QString writtenSoFar() const;
    // The words of a cancelled transfer; the progress window hidden, the access and port closed.
    void tellCancelled(const QString& title, const QString& text, MsgIcon icon);
    // The main window's status line says how the transfer ended.
    void showEnd(TransferReport::End end);

    DatabaseContext& m_ctx;
    Direction m_direction;
    // The session whose database access this one joins (DatabaseContext::heldAccess), or none.
    TransferSession* m_held;
    bool m_controlsDisabled = false;
    int m_result = 0;
    bool m_accessOpen = false;
    bool m_released = false;
    bool m_cancelled = false;
    std::array<int, 4> m_ids{};
    double m_serial = 0;
    const ReadBackNames* m_readBack = nullptr;
    WrittenData m_written;
    QStringList m_differences;
    const TransferSubject* m_subject = nullptr;
    QStringList m_counted;
};

} // namespace kx2
