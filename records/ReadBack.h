#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace kx2 {

class RecordTable;
struct DatabaseContext;
struct WrittenData;

// A field of a record, for the words of a check after a send and of a comparison of two files.
struct RecordField {
    int first;         // bytes first..last of the record
    int last;
    QString name;      // "Name"
    bool text;         // the name lines as text; otherwise the number the bytes make, lowest byte first
    // The number as the user sees it where the bare bytes would mislead (the speed is stored
    // halved); empty: the number itself.
    std::function<QString(unsigned long long)> show = {};
    // A text of two name lines: the 13 that starts line 2 is looked for up to this byte, as the
    // editor looks for it. -1: one line, ending at a 0.
    int lineSearchEnd = -1;
};

// Byte position in a record -> value.
using RecordBytes = std::map<int, int>;
// Columns 0..count-1 of a table row.
RecordBytes rowBytes(const RecordTable& table, int row, int count);
// The fields in which `a` and `b` differ, one line each: "<record>: <field> <wordA> x, <wordB> y".
// A text field differs when it reads differently as the editor shows it (bytes behind a name's
// end are not shown). Bytes outside every field are named "Byte n".
void compareRecordFields(const std::vector<RecordField>& fields, const QString& record, const RecordBytes& a,
                         const RecordBytes& b, const QString& wordA, const QString& wordB, QStringList& out);

// What a read back found: the differences, one line each, and the failure of an exchange that
// stopped it (0: none).
struct ReadBackDifferences {
    int result = 0;
    QStringList lines;
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
    // What the database stores outside the data flash (the route module's entries), read back
    // and compared by its own driver after the pages. Empty when there is nothing of the kind.
    std::function<ReadBackDifferences()> readBackOwn = {};
};

// Reads back every page and data format that `written` holds and compares it with what was sent.
// The differences, one line each ("Lok 38: Name gesendet 'Köf II', gelesen 'Köf IJ'"); a failed
// exchange stops the reading.
ReadBackDifferences readBackWritten(DatabaseContext& ctx, const WrittenData& written, const ReadBackNames& names);

} // namespace kx2
