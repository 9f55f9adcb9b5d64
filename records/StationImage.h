#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace kx2 {

class RecordTable;
struct DatabaseLayout;

// What the command station holds of each record of a table, as far as the program knows: a
// record's bytes and its data format are taken when they are read from the station or written
// to it, and forgotten when a file or another station's data takes the table's place. An edit
// that brings a record (or its format) back to it leaves nothing to send: the user edited it
// back, and the station holds it already.
class StationImage {
public:
    explicit StationImage(const DatabaseLayout& layout);

    void takeRecord(const RecordTable& table, int row);
    void takeFormat(const RecordTable& table, int row);
    // Nothing is known any more, of one row or of all.
    void forget(int row);
    void forget();

    // The row's record bytes, or its data format, are known and equal what the station holds.
    bool recordAsStored(const RecordTable& table, int row) const;
    bool formatAsStored(const RecordTable& table, int row) const;

    // What is known of a row, appended to `out` and taken back from `in` (which then points
    // behind it): an undone step leaves the knowledge as it was before, a redone one as after.
    void copyKnown(int row, std::vector<int32_t>& out) const;
    void restoreKnown(int row, const int32_t*& in);

private:
    using Cells = std::vector<int32_t>;
    static Cells cellsOf(const RecordTable& table, int row, int first, int last);

    int m_recordBytes;
    int m_formatFirst; // the format's columns; none when the database has no format
    int m_formatLast;
    std::vector<std::optional<Cells>> m_records;
    std::vector<std::optional<Cells>> m_formats;
};

} // namespace kx2
