#pragma once
#include "records/StoredSerial.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace kx2 {

// What is known of the rows of a database in one station, row by row, in the cells its image
// gives them.
using KnownRows = std::map<int, std::vector<int32_t>>;

// What the program knew of each station's databases after its last read or send there, kept
// from one run to the next: one small file per station and database in `folder`. A file that
// cannot be read, or that holds another station's or another database's rows, counts as nothing
// known. Without a folder (or when it cannot be written) the images last for the run.
class StationImageStore {
public:
    explicit StationImageStore(QString folder = QString()) : m_folder(std::move(folder)) {}

    // The rows kept of `database` of `station`; none when nothing is kept.
    KnownRows recall(const QString& database, const StoredSerial& station);
    void keep(const QString& database, const StoredSerial& station, const KnownRows& rows);

    // Where the rows of `database` of `station` are kept; "" without a folder.
    QString fileOf(const QString& database, const StoredSerial& station) const;

private:
    QString m_folder;
    // What this run knows, by file name: read once, then kept up to date here.
    std::map<QString, KnownRows> m_kept;
};

// Which station an image is of, and under which name its database is remembered. A copy of a
// table shares the store with the original.
class StationKeeping {
public:
    void rememberIn(StationImageStore* store, const QString& database)
    {
        m_store = store;
        m_database = database;
    }
    const StoredSerial& station() const { return m_station; }

    // `station` becomes the one the image is of. Nothing to do when it is already (nullopt);
    // otherwise the rows remembered of it (none for a station that is not known), which take
    // the place of everything the image held.
    std::optional<KnownRows> switchTo(const StoredSerial& station);
    // The image's rows, kept for the next run.
    void keep(const KnownRows& rows) const;

private:
    StoredSerial m_station;
    StationImageStore* m_store = nullptr;
    QString m_database;
};

} // namespace kx2
