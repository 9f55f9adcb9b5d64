#pragma once
#include <QCoreApplication>
#include <QString>

namespace kx2 {

// Where and how a database lies in the command station's data flash and in its table: what
// differs between the databases is this description, not the code that moves their records.
struct DatabaseLayout {
    int firstArea;       // data-flash area of the first record
    int recordsPerArea;  // records side by side in one area
    int pagesPerRecord;  // 16-byte pages of one record
    int rows;            // table rows (row = address for the range databases, slot for locomotives)
    int cols;            // table columns: the record bytes, then the program's own
    int statusColumn;    // RecordStatus
    int formatColumn;    // the data format, -1 when the database has none
    int formatPendingColumn;
    int recordIdMarker;  // added to byte 3 of a new RecordId: 0, 128, 160, 176
    int readOperation;   // added to a failure while reading records (210000, 250000)
    int writeOperation;  // ... while writing them (220000, 260000)
    const char* areaCaption; // " Magnetartikeldaten ab Adr.: ": the progress text before the address
    const char* countUnit = QT_TRANSLATE_NOOP(
        "DatabaseLayout", "Datensatz"); // what the progress window counts: "Magnetartikel 17 von 2048"
    int firstRow = 1;    // the table row of the first record (locomotive slots count from 0)
    int recordStride = 0; // bytes from one record to the next in an area; 0: the record's own size
    // What a send counts: the changed records alone, under a unit of their own, so that
    // " Lokdatensatz 17 schreiben" over "Geänderter Lokdatensatz 2 von 5" cannot be read as two
    // different records.
    const char* changedUnit = QT_TRANSLATE_NOOP("DatabaseLayout", "Geänderter Datensatz");

    // The texts above in the language in use: the layouts mark them with
    // QT_TRANSLATE_NOOP("DatabaseLayout", ...).
    QString areaCaptionText() const { return QCoreApplication::translate("DatabaseLayout", areaCaption); }
    QString countUnitText() const { return QCoreApplication::translate("DatabaseLayout", countUnit); }
    QString changedUnitText() const { return QCoreApplication::translate("DatabaseLayout", changedUnit); }

    constexpr int recordBytes() const { return 16 * pagesPerRecord; }
    // For the range databases: the area of an address and the record's offset within it.
    constexpr int areaIndexOf(int address) const { return (address - 1) / recordsPerArea; }
    constexpr int slotOf(int address) const { return (address - 1) % recordsPerArea; }
    constexpr int maxAddress() const { return rows - 1; }
    // Where the record of any table row lies: its area and its byte offset in it.
    constexpr int stride() const { return recordStride > 0 ? recordStride : recordBytes(); }
    constexpr int areaOfRow(int row) const { return firstArea + (row - firstRow) / recordsPerArea; }
    constexpr int offsetOfRow(int row) const { return stride() * ((row - firstRow) % recordsPerArea); }
};

// The value every record status column takes.
namespace status {
inline constexpr int Unchanged = 0;
inline constexpr int Changed = 1;
inline constexpr int New = 2;       // locomotives only
inline constexpr int Deleted = 240; // locomotives only
inline constexpr int Empty = 255;   // not read, or an empty slot
} // namespace status

} // namespace kx2
