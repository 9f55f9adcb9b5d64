#pragma once
#include "records/DatabaseLayout.h"
#include "records/RecordTable.h"
#include "records/StationImage.h"
#include "records/TransferDone.h"
#include "shell/Language.h"

#include <QString>
#include <array>
#include <optional>

namespace kx2 {

// The locomotive database while the program runs: one row per slot of the command station's
// locomotive areas, columns 0..79 the 80 record bytes, columns 80..83 the program's own
// bookkeeping (saved in files, never sent as record bytes). Row 500 exists and goes into the
// table files like the others, but never holds a locomotive.
class LocoTable : public RecordTable {
public:
    static constexpr int Rows = 501;
    static constexpr int Cols = 84;
    static constexpr int SlotCount = 500;  // rows 0..499 are slots
    static constexpr int RecordBytes = 80; // columns 0..79 go to the device
    static constexpr int PageBytes = 16;   // a record travels as five pages

    // Slot i lives in data-flash area LocoDbAreaBase + i (areas 7501..8000).
    static constexpr int LocoDbAreaBase = 7501;
    // One record of five pages per area; failures while reading records are "Read LongData:"
    // (21), while writing them "Write LongData:" (22).
    static constexpr DatabaseLayout Layout{LocoDbAreaBase, 1, 5, Rows, Cols, 80, 81, 83, 0, 210000, 220000,
                                           QT_TRANSLATE_NOOP("DatabaseLayout", " Lokdatensatz "),
                                           QT_TRANSLATE_NOOP("DatabaseLayout", "Lokdatensatz"), 0, 0,
                                           QT_TRANSLATE_NOOP("DatabaseLayout", "Geänderter Lokdatensatz")};
    static constexpr TransferSubject Subject{QT_TRANSLATE_NOOP("TransferSubject", "Lokomotiven"),
                                             QT_TRANSLATE_N_NOOP("TransferSubject", "%n Lokomotiven")};

    // --- record bytes ---
    static constexpr int RecordIdFirst = 0;     // 0..3, little-endian record number
    static constexpr int RecordIdHigh = 3;
    static constexpr int NameFirst = 4;         // 4..27, cp1252, 0-terminated
    static constexpr int NameLast = 27;
    static constexpr int NameMaxWritten = 23;   // so the terminator falls at byte 27 at the latest
    static constexpr int AddressLow = 32;
    static constexpr int AddressHigh = 33;
    static constexpr int SlotLow = 34;
    static constexpr int SlotHigh = 35;
    static constexpr int SymbolFirst = 36;      // byte 36 + n is the symbol of function fn
    static constexpr int FunctionCount = 29;    // f0..f28
    static constexpr int MaxSpeedHalf = 69;     // shown as byte x 2

    // --- bookkeeping columns ---
    static constexpr int RecordStatus = 80;
    static constexpr int FormatCode = 81;
    static constexpr int FormatParam = 82;
    static constexpr int FormatPending = 83;

    // --- RecordStatus values ---
    static constexpr int StatusEmpty = 255;
    static constexpr int StatusDeleted = 240;  // must be erased on the device
    static constexpr int StatusUnchanged = 0;
    static constexpr int StatusChanged = 1;
    static constexpr int StatusNew = 2;

    static constexpr int MinAddress = 1;
    static constexpr int MaxAddress = 9999;

    // Every cell starts without a value, as before the first read.
    LocoTable() : RecordTable(Rows, Cols), station(Layout) {}

    // What the station holds of each slot: a record (or its format) edited back to it is no
    // longer to be sent.
    StationImage station;

    static bool isValidAddress(int a) { return a >= MinAddress && a <= MaxAddress; }
    // Rows 0..499 hold locomotives; row 500 never does.
    static bool isSlot(int row) { return row >= 0 && row < SlotCount; }
    static int symbolColumn(int function) { return SymbolFirst + function; }

    // --- address ---
    // column 33 x 256 + column 32; an empty or deleted slot reads 65535.
    int address(int row) const { return value(row, AddressHigh) * 256 + value(row, AddressLow); }
    void setAddress(int row, int a);
    // The first slot 0..499 other than `except` that holds a record with address a.
    std::optional<int> findSlotByAddress(int a, int except = -1) const;

    // --- name ---
    // Bytes 4..27 up to the first 0; a name without terminator yields all 24 characters.
    QString ReadLokname(int row) const;
    // At most 23 characters, then a 0; bytes after the terminator keep their values.
    void WriteLokname(int row, const QString& text);

    int maxSpeed(int row) const { return value(row, MaxSpeedHalf) * 2; }
    int symbol(int row, int function) const { return value(row, symbolColumn(function)); }

    // --- status ---
    // The status as a number; an empty cell counts as 0, as everywhere a cell is compared.
    int status(int row) const { return value(row, RecordStatus); }
    void setStatus(int row, int s) { set(row, RecordStatus, s); }
    // A line of the editor's grid: status neither empty-slot nor deleted.
    bool holdsRecord(int row) const { return status(row) != StatusEmpty && status(row) != StatusDeleted; }
    // The first slot whose status is 255 (where a single-record file goes).
    std::optional<int> firstEmptySlot() const;
    // The first slot whose status is 255 or 240 (where the editor puts a new locomotive).
    std::optional<int> firstReusableSlot() const;

    // A record read from the device counts as in use when (byte 3 AND 252) = 0: the
    // command station marks other databases' records through the top bits of byte 3.
    bool recordInUse(int row) const { return (value(row, RecordIdHigh) & 252) == 0; }

    // --- transitions ---
    // Start of a device read: every row (0..500) emptied (bytes 0..79 = 255, format cells empty,
    // nothing pending, status 255), so that a read that stops part-way leaves nothing of the
    // previous table in the rows it did not reach. What is known of the station stays: the read
    // renews it slot by slot.
    void markAllForDeviceRead();
    // A slot read from the device that is not in use: bytes 0..79 := 255, status 255.
    void markSlotEmpty(int row);
    // Loaded from a file: a row whose address is 1..9999 becomes changed with its format
    // pending, so that the next send writes it; other rows keep the loaded status. What the
    // station is known to hold already (station.belongTo the file's station first) is not to be
    // sent again.
    void markLoaded(int row);
    // The editor created a new locomotive in slot j (taken from firstReusableSlot):
    // address, name, maximum speed 80, no function symbols, no data format (nothing of the
    // slot's earlier occupant), status 2.
    void createRecord(int slot, int address, const QString& name);
    // A record byte was changed in the editor: status 1, but a new record stays 2 until it has
    // been written (it still needs the new-record values); a record edited back to what the
    // station holds is as read.
    void markEdited(int slot);
    // The data format (FormatCode, FormatParam) was changed: to be written, unless it is the
    // station's again.
    void markFormatEdited(int slot);
    // After an edit: a record equal to what the station holds is as a read finds it (unchanged,
    // or an empty slot), a format equal to the station's no longer to be written. A name that
    // reads as the station's takes the station's bytes, those behind its end included.
    void settleAsStored(int slot);
    // The editor saved a renamed line: markEdited when a record byte changed. Returns whether
    // a record byte changed.
    bool renameRecord(int slot, const QString& name);
    // Deleted in the editor: bytes 0..79 := 255, status 240.
    void deleteRecord(int slot);
    // Table cleared in the editor: rows 0..500, columns 0..80 := 255; the format columns stay.
    void clearTable();
    // The device bookkeeping a record of status 2 gets just before it is written (bytes 27,
    // 28..31, 34/35, 65..68, 70..79). The user's data, the maximum speed among it, is kept.
    void applyNewRecordValues(int slot);
    // The record was written to (or erased on) the device and the send succeeded: the table
    // now matches the device, so the slot is unchanged (0), or empty (255) after an erase.
    void markStored(int slot);
    // A send to another command station, confirmed: every row with a valid address becomes
    // new with its format pending, every other row deleted with nothing pending; what was known
    // of a station was known of the other one.
    void prepareForOtherDevice();
};

// Parses an address typed by the user: surrounding blanks allowed, then digits only.
// Returns the address when it lies in 1..9999.
std::optional<int> parseLocoAddress(const QString& text);

// --- data formats ---

struct LocoFormat {
    const char* displayText;   // the editor grid's data-format column
    const char* dialogCaption; // the option button of the data-format dialog
    int code;                  // FormatCode
    int param;                 // FormatParam
};

// Index = position in the data-format dialog.
constexpr int LocoFormatCount = 6;
constexpr int FormatMotorolaOld = 0, FormatMotorolaNew = 1, FormatDcc14 = 2, FormatDcc28 = 3, FormatDcc128 = 4,
              FormatSelectrix = 5;
extern const std::array<LocoFormat, LocoFormatCount> kLocoFormats;

// The program-wide data-format tables, filled once at start; entry 6 stays empty.
struct LocoFormatTables {
    std::array<std::optional<int>, 7> LocoFormatCodes{};
    std::array<std::optional<int>, 7> LocoFormatParams{};
};
void fillLocoFormatTables(LocoFormatTables& tables);

// The locomotive database as the editor works on it: the table, the data-format tables, and
// whether the editor's grid shows the table (0: rebuild it at the next activation).
struct LocoData {
    LocoTable& table;
    LocoFormatTables& formats;
    int& LocoGridLoaded;
};

// 64 -> "Motorola alt", 65 -> "Motorola neu", 80 -> "DCC 14", 82 -> "DCC 28", 83 -> "DCC 128",
// 72 -> "Selectrix"; anything else, an empty cell included, -> "". In the station's German for
// files and CSV tables, or in the language in use ("Motorola old") for what a person reads.
QString FormatCodeToText(std::optional<int> code, Wording wording = Wording::Station);
// The dialog index of a display text (exact, case-sensitive), German or in the language in use
// (the grid's text, and what a CSV table typed in English holds); nullopt for any other text,
// which every caller treats as 0.
std::optional<int> FormatTextToIndex(const QString& text);

} // namespace kx2
