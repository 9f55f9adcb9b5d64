#pragma once
#include "records/IsdFile.h"
#include "loco/LocoTable.h"
#include "records/StoredSerial.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace kx2 {

class FileDialog;
class UserDialogs;
struct Settings;

// The locomotive editor's file menu: the table file ("alle Datensätze laden/speichern"), the
// single-record file ("einen Datensatz laden/speichern") and clearing the table. The editor
// keeps its Busy flag and its grid; these functions do the table and file part and say what
// the grid needs afterwards.

// Values the two locomotive files hold.
constexpr int LocoTableFileLines = 1 + 4 + LocoTable::Rows * LocoTable::Cols; // 42 089
constexpr int LocoRecordFileLines = 1 + LocoTable::Cols;                      // 85

// Seconds the load waits before it opens the file, the save after it wrote it.
constexpr double LocoLoadPause = 0.3;
constexpr double LocoSavePause = 0.1;

enum class AfterFileOp {
    Nothing,     // the grid keeps showing what it shows
    RebuildGrid, // LocoGridLoaded := 0 and the grid is rebuilt from LocoTable
};

struct LocoFileContext {
    LocoTable& table;
    StoredSerial& serial;
    UserDialogs& dialogs;
    FileDialog& files;
    const Settings& settings; // LastFileName for the file prompt
    // Lets the given seconds pass with the event loop running (LocoNetLink::Pause).
    std::function<void(double seconds)> pause;
};

// --- the file menu's operations ---

// "alle Datensätze laden" (LadenMenu): asks for a file and replaces StoredSerial and every
// row 0..500 with its contents; each row with an address 1..9999 becomes changed with its
// format pending, unless the file's station is known to hold it. A read error shows "Fehler beim Öffnen des Files" with the line and leaves the
// table as it was.
AfterFileOp loadLocoTable(LocoFileContext& ctx);
// "alle Datensätze speichern" (SpeichernMenu): asks for a file and writes StoredSerial and every
// row. Returns whether the file was written; a failed write is reported and leaves the previous
// file untouched.
bool saveLocoTable(LocoFileContext& ctx);
// Clearing the table (ClrTabMenu), its table part: rows 0..500, columns 0..80 := 255, no
// question. The grid part (start_tabelle, LocoGridLoaded := 1) is the editor's.
void clearLocoTable(LocoTable& table);
// "einen Datensatz speichern" (the editor's save_daten_satz): writes the first slot with this
// address to a single-record file. "Datensatz nicht gefunden!" when no slot has it. Returns
// whether the file was written.
bool saveLocoRecord(LocoFileContext& ctx, int address);
// "einen Datensatz laden" (DS_LadenMenu): puts the record of a single-record file into the
// first empty slot; when its address is taken, the user changes it or the record is not
// inserted.
AfterFileOp loadLocoRecord(LocoFileContext& ctx);

// --- the files without dialogs (kx2ctl and tests) ---

using LocoRow = std::array<std::optional<int>, LocoTable::Cols>;

// Whether a value read from a file fits column col of a locomotive row: record bytes and
// format values 0..255, a status the program knows (0, 1, 2, 240, 255), pending 0 or 1;
// an empty cell fits everywhere.
bool locoCellFits(int col, std::optional<int> value);

IsdWriter locoTableFile(const LocoTable& table, const StoredSerial& serial);
IsdWriter locoRecordFile(const LocoTable& table, int row);

// Reads the 84 values of one row. A value that does not fit its column is a read error, and so
// is a row the send would write (one holding a record once loaded) that no device can take: an
// address above 9999 (0 is reported and skipped by the send) or a name without its 0 byte.
bool readLocoRow(IsdReader& reader, LocoRow& row);

// The body of loadLocoTable after the file prompt. The file is taken whole or not at all: on a
// read error the table and StoredSerial keep what they held.
IsdLoadResult loadLocoTableFile(const QString& path, LocoTable& table, StoredSerial& serial);
// Reads a single-record file without touching any table.
IsdLoadResult readLocoRecordFile(const QString& path, LocoRow& row);

} // namespace kx2
