#pragma once
#include "records/StationImageStore.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kx2 {

class RecordTable;
struct DatabaseLayout;

// What the command station holds of each record of a table, as far as the program knows: a
// record's bytes and its data format are taken when they are read from the station or written
// to it. The image is of one station; it is kept from one run to the next when a store is
// given, and another station's data taking the table's place brings what is known of that
// station (or nothing). An edit that brings a record (or its format) back to it leaves nothing
// to send: the user edited it back, and the station holds it already.
class StationImage {
public:
    explicit StationImage(const DatabaseLayout& layout);

    // Kept in `store` under the database's name, from one run to the next.
    void rememberIn(StationImageStore* store, const QString& database) { m_keeping.rememberIn(store, database); }
    // The station the image is of.
    const StoredSerial& station() const { return m_keeping.station(); }
    // The image is of `station` from now on: of another station nothing is known but what was
    // remembered of it.
    void belongTo(const StoredSerial& station);
    // Keeps what is known now for the next run (after a read or a send).
    void remember() const;

    void takeRecord(const RecordTable& table, int row);
    void takeFormat(const RecordTable& table, int row);
    // Nothing is known any more, of one row or of all.
    void forget(int row);
    void forget();

    // The row's record bytes, or its data format, are known and equal what the station holds.
    bool recordAsStored(const RecordTable& table, int row) const;
    bool formatAsStored(const RecordTable& table, int row) const;
    // The station's cells first..last of the row's record put into the table; false (and
    // nothing changed) when the record is not known.
    bool putStoredCells(RecordTable& table, int row, int first, int last) const;

    // What is known of a row, appended to `out` and taken back from `in` (which then points
    // behind it): an undone step leaves the knowledge as it was before, a redone one as after.
    void copyKnown(int row, std::vector<int32_t>& out) const;
    void restoreKnown(int row, const int32_t*& in);

private:
    using Cells = std::vector<int32_t>;
    static Cells cellsOf(const RecordTable& table, int row, int first, int last);
    int formatWidth() const { return m_formatFirst < 0 ? 0 : m_formatLast - m_formatFirst + 1; }
    // Whether `cells` are what copyKnown gives for a row of this image.
    bool fitsRow(const std::vector<int32_t>& cells) const;

    StationKeeping m_keeping;
    int m_recordBytes;
    int m_formatFirst; // the format's columns; none when the database has no format
    int m_formatLast;
    std::vector<std::optional<Cells>> m_records;
    std::vector<std::optional<Cells>> m_formats;
};

} // namespace kx2
