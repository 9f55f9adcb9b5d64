#pragma once
#include "records/TransferDone.h"
#include "records/DatabaseLayout.h"
#include "records/RecordTable.h"
#include "records/StationImageStore.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace kx2 {

// The route database while the program runs. A route lives in two places in the command
// station: its name record (two name lines, the start feedback address, bookkeeping bytes) in the
// data flash, and its start entry and 24 commands as 16-bit variables of the route module.
// Rows 1..80 are routes 1..80; row 0 and column 0 of RouteData are not used.
class RouteTables {
public:
    static constexpr int RouteCount = 80;
    static constexpr int Rows = RouteCount + 1;
    static constexpr int EntryCount = 25;  // the start entry, then commands 1..24
    static constexpr int StartEntry = 1;
    static constexpr int EndOfRoute = 8;   // as a command: nothing follows
    // RouteNames: bytes 0..47 of the name record, the record state, two unused columns.
    static constexpr int RecordBytes = 48;
    static constexpr int State = 48;
    static constexpr int NameColumns = 51;
    static constexpr int StartAddressLow = 28;
    static constexpr int DeviceCodeLow = 30;
    static constexpr int ModuleTypeLow = 32;
    // Name records: eight routes to a data-flash area from 6912 on, 64 bytes apart, of which the
    // first three pages are read and written; record numbers marked with 176; failures carry
    // "Read ShortData:" (23) both ways.
    static constexpr DatabaseLayout NameLayout{6912, 8, 3, Rows, NameColumns, State, -1, -1, 176,
                                               230000, 230000,
                                               QT_TRANSLATE_NOOP("DatabaseLayout", " FS-Namen "),
                                               QT_TRANSLATE_NOOP("DatabaseLayout", "Fahrstraßenname"), 1, 64};
    static constexpr TransferSubject Subject{QT_TRANSLATE_NOOP("TransferSubject", "Fahrstraßen"),
                                             QT_TRANSLATE_N_NOOP("TransferSubject", "%n Fahrstraßen")};
    static constexpr int NameRecordStride = NameLayout.recordStride;
    // Entry j of route r is variable FirstVariable + 25 (r - 1) + (j - 1) of the route module.
    static constexpr int FirstVariable = 5;
    static constexpr int LastVariable = FirstVariable + RouteCount * EntryCount - 1;  // 2004

    RouteTables();

    // The raw 16-bit value of every entry.
    std::array<std::array<int, EntryCount + 1>, Rows> RouteData{};
    // The entry must be written to the route module by the next send.
    std::array<std::array<bool, EntryCount + 1>, Rows> RouteDataChanged{};
    // Name records and their state: 255 not read, 0 as read or written, 1 to be written.
    RecordTable RouteNames{Rows, NameColumns};

    // What the command station holds of a route as far as the program knows: its entries as a
    // read gives them, and bytes 0..47 of its name record. Known after a read, and after a
    // successful send for what it wrote; unknown after a clear or a failed send. It is of one
    // station (stationKeeping), and kept across the runs when a store is given.
    struct StationImage {
        bool entriesKnown = false;
        std::array<int, EntryCount + 1> entries{};
        bool nameKnown = false;
        std::array<int, RecordBytes> name{};

        // As a row of cells, for the undo history and the store: entries known (0 or 1), the
        // entries, name known, the name record's bytes. takeFrom leaves `at` behind what it took.
        static constexpr size_t Cells = 1 + EntryCount + 1 + 1 + RecordBytes;
        void appendTo(std::vector<int32_t>& cells) const;
        void takeFrom(const int32_t*& at);
    };
    std::array<StationImage, Rows> Station{};
    StationKeeping stationKeeping;
    // The image is of `station` from now on: of another station nothing is known but what was
    // remembered of it.
    void belongTo(const StoredSerial& station);
    // Keeps what is known now for the next run (after a read or a send).
    void rememberStation() const;

    static constexpr int variableOf(int route, int entry)
    {
        return FirstVariable + EntryCount * (route - 1) + (entry - 1);
    }

    // Name line 1 or 2 of a route (bytes 4..27).
    QString ReadFSname(int line, int route) const;
    // The start feedback address kept in the name record: the contact of the start entry, plus
    // 8192 when the route starts on the occupied state.
    int startAddress(int route) const;
    // After a read: bytes 28..29 of every route that has a start address follow its start entry;
    // a route whose bytes change is to be written.
    void SyncRouteStartAddresses();
    // The entries a read would give if the module held this route: 8 behind a start entry of 0
    // and behind the first end mark among the commands, since a read stops there.
    std::array<int, EntryCount + 1> entriesAsRead(int route) const;
    // The last entry a send writes of the route, 0 when none of its entries is to be written.
    // Once any is, every entry from the start entry through the end mark (the 24th command when
    // there is none) is written, and through the last marked entry should that lie behind:
    // what the module holds behind an old end or behind a start of 0 is not known, and only so
    // does it end up holding what the grid shows.
    int lastEntryToWrite(int route) const;
    // The route's entries, or its name record, as they are now are what the station holds.
    void noteStationEntries(int route);
    void noteStationName(int route);
    void forgetStation(int route);
    // After an edit: a route whose entries read as the station's needs none of them written,
    // and a name record equal to the station's needs no writing unless entries are to be written
    // (a send writes nothing unless a name record is marked). So an edit undone sends nothing.
    // Name lines that read as the station's take the station's bytes.
    void dropMarksTheStationHolds(int route);
    // Whether any name record is to be written: only then does a send have anything to do.
    bool namesPending() const { return routesPending() > 0; }
    // The routes whose name record is to be written.
    int routesPending() const;
    // A route in use: with entries, or with a name record the station holds (a route without
    // entries may still have one).
    bool routeInUse(int route) const;
    int routesInUse() const;
    // A complete replacement: every name record and every entry is to be written, whatever the
    // station held.
    void markEverythingForSending();
    // After a successful send: the records written are as written, the entries as the module
    // holds them, and both are what the station holds.
    void markSent();
    // Bytes 28..47 of a name record about to be written to the station with this device code.
    void prepareNameRecord(int route, int deviceCode);
    // The route has a start entry: loading a file marks such routes for sending.
    bool holdsRoute(int route) const { return RouteData[size_t(route)][StartEntry] != 0; }
};

// Written into every name record sent: (serial number mod 100000) + 1000, its low 16 bits.
int RouteDeviceCode(double serialNumber);

} // namespace kx2
