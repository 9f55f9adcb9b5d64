#pragma once
#include "records/TransferSession.h"

#include <QString>
#include <vector>

namespace kx2 {

class LocoTable;
struct DatabaseContext;
struct RecordField;

// The fields of a locomotive record, in words: for the check after a send and file comparisons.
std::vector<RecordField> locoRecordFields();

using LocoSendOutcome = SendOutcome;

// Reading and sending the locomotive database (LocoTable): one record per data-flash area,
// five pages each, the data formats from the command station's format table.
class LocoTransfer {
public:
    LocoTransfer(DatabaseContext& ctx, LocoTable& table) : m_ctx(ctx), m_table(table) {}

    ReadOutcome ReadLocoDatabase();
    // Reads `count` records from areas first..first+count-1 into rows 0..count-1.
    int ReadLocoRecords(int firstArea, int count, int pages, int expectedFlags);
    int ReadLocoFormats();

    LocoSendOutcome SendLocoDatabase();
    // The record of `slot` into its area, which is stored: the slot's bytes, or erased when deleted.
    int WriteLocoRecord(int slot);

    // The ResultCode of the last send (0 unless it failed).
    int lastSendResult() const { return m_lastSendResult; }
    // The step text while the data format of `address` is written.
    static QString formatWriteStep(int address);

private:
    // What the send writes: the records (erased slots included), whether any of them gets a
    // record number, and the data formats.
    int recordsToWrite() const;
    bool recordsToNumber() const;
    bool formatToWrite(int slot) const;
    int formatsToWrite() const;
    // The records of status 1, 2 and 240 and, when any got a new number, the index.
    bool writeRecords(TransferSession& s, std::vector<int>& stored);
    // The pending data formats.
    bool writeFormats(TransferSession& s, std::vector<int>& stored);

    DatabaseContext& m_ctx;
    LocoTable& m_table;
    int m_lastSendResult = 0;
};

} // namespace kx2
