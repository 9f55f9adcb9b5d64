#pragma once
#include "records/TransferSession.h"
#include "shell/AddressRange.h"

#include <QString>
#include <vector>

namespace kx2 {

class RangeRecordTable;
struct DatabaseContext;
struct ReadBackNames;
struct RecordField;

// The fields of an accessory or feedback record, in words.
std::vector<RecordField> rangeRecordFields();

// The read and the send of a database with one record per address (accessories, feedback
// contacts) over an address range. The frame is the same for both; each database's driver adds
// its own steps through the hooks, so its differences stay in its own file.
class RangeTransfer {
public:
    RangeTransfer(DatabaseContext& ctx, RangeRecordTable& table, const AddressRange& range, const QString& title,
                  const TransferSubject& subject)
        : m_ctx(ctx), m_table(table), m_range(range), m_title(title), m_subject(subject)
    {
    }
    virtual ~RangeTransfer() = default;

    // Connect, open, serial number, the records of the range and the database's own reads,
    // close. The editor opens after success and when the port cannot be opened.
    ReadOutcome read();
    // Asks (under the database's title), then writes the changed records of the range, the index
    // when a record got a new number, and the database's own writes. After success the range
    // counts as what the station holds.
    SendOutcome send();

    int lastSendResult() const { return m_lastSendResult; }

protected:
    // Whether address a has anything to send.
    virtual bool pending(int a) const;
    // The user confirmed a complete replacement: everything of address a is to be written.
    virtual void markForReplacement(int a);
    // Steps of the database's own, run in the session after the interface was set up (send),
    // after the records were read, and after the records and the index were written.
    virtual bool afterConnect(TransferSession&) { return true; }
    virtual bool afterRecordsRead(TransferSession&) { return true; }
    virtual bool afterRecordsWritten(TransferSession&) { return true; }
    // Tells the context's meter what afterRecordsWritten is going to write.
    virtual void planOwnWrites() {}
    // Tells the meter what afterRecordsRead is going to read, at most.
    virtual void planOwnReads() {}
    // After a successful send: what was written counts as unchanged.
    virtual void settle(int a);
    // Seconds between " Datenbank schließen" and the close.
    virtual double closePause() const { return 0.5; }
    // The records' fields and names for the check after a send.
    ReadBackNames readBackNames() const;
    // What one record takes on the bus, for the meter.
    double recordExchanges() const;

    DatabaseContext& m_ctx;
    RangeRecordTable& m_table;
    AddressRange m_range;

private:
    // The records of the range, read or written; the result of the step.
    int readRecords();
    int writeRecords();

    QString m_title;
    const TransferSubject& m_subject;
    int m_lastSendResult = 0;
};

} // namespace kx2
