#pragma once
#include "shell/CsvTable.h"
#include "editor/TablePrint.h"
#include "records/IsdFile.h"
#include "records/TransferSession.h"

#include <QString>
#include <functional>
#include <vector>

namespace kx2 {

class AppContext;
struct AddressRange;

// What a run over a database needs to know of it, the same for each of the four: kx2ctl's read
// and send and the whole-station backup go through this list.
struct StationDatabase {
    const char* word;      // loco, acc, fb, routes
    const TransferSubject* subject; // "Lokomotiven", "%n Lokomotiven": summary lines
    const char* fileName;  // its file in a station backup
    QString header;        // line 1 of its ISD file
    int maxAddress;        // highest address of a range database; 0: the whole table
    std::function<AddressRange*(AppContext&)> range; // the range a range database works on
    std::function<ReadOutcome(AppContext&)> read;
    std::function<IsdWriter(AppContext&)> file;
    std::function<IsdLoadResult(AppContext&, const QString&)> load;
    std::function<SendOutcome(AppContext&)> send;
    std::function<int(AppContext&)> count; // records in use the table holds
    std::function<CsvTable(AppContext&)> csv; // its table as CSV
    // Its printout as its editor prints a table just loaded: the records in use, or every
    // record of the range (wholeRange; the locomotives hold none that is not in use).
    std::function<PrintTable(AppContext&, const PrintSource&, bool wholeRange)> print;
};

// Locomotives, accessories, feedback contacts, routes.
const std::vector<StationDatabase>& stationDatabases();
// The one named `word`, or nullptr.
const StationDatabase* findStationDatabase(const QString& word);
// The one whose ISD files start with `header` (a single locomotive record has none), or nullptr.
const StationDatabase* stationDatabaseOfHeader(const QString& header);

} // namespace kx2
