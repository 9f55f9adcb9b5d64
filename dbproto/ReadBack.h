#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kx2 {

struct DatabaseContext;
struct WrittenData;

// A field of a record, for the words of a check after a send.
struct RecordField {
    int first;         // bytes first..last of the record
    int last;
    QString name;      // "Name"
    bool text;         // the name lines as text; otherwise the number the bytes make, lowest byte first
};

// How a database names what it sent: which record a byte of an area belongs to, and its fields.
struct ReadBackNames {
    int recordStride;                 // bytes from one record to the next in an area
    std::vector<RecordField> fields;  // bytes outside every field are named "Byte n"
    // The record in `slot` of data-flash `area`, as the user knows it: "Lok 38", "Magnetartikel 17".
    std::function<QString(int area, int slot)> record;
    // Data formats are named by address: "Lok", "Magnetartikel".
    QString formatOwner;
    int readOperation;                // added to a failure while reading back (as in a read)
};

// Reads back every page and data format that `written` holds and compares it with what was sent.
// The differences, one line each ("Lok 38: Name gesendet 'Köf II', gelesen 'Köf IJ'"); result
// gets the failure of an exchange, and the reading stops there.
QStringList ReadBackWritten(DatabaseContext& ctx, const WrittenData& written, const ReadBackNames& names, int& result);

} // namespace kx2
