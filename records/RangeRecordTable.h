#pragma once
#include "records/DatabaseLayout.h"
#include "records/RecordTable.h"
#include "records/StationImage.h"

#include <QString>

namespace kx2 {

// The table of a database with one 32-byte record per address (accessories, feedback
// contacts): row = address (row 0 is never addressed), columns 0..31 the record bytes, 32 the
// record status, 33 and 34 the database's own. The name lines lie in bytes 4..27, the symbol in
// bytes 28..31.
class RangeRecordTable : public RecordTable {
public:
    static constexpr int Cols = 35;
    static constexpr int RecordBytes = 32;
    static constexpr int Status = 32;
    static constexpr int SymbolChosen1 = 28; // 255 each once a symbol was chosen
    static constexpr int SymbolChosen2 = 29;
    static constexpr int SymbolCode2 = 30;   // 2 x (symbol + 2) + 1
    static constexpr int SymbolCode = 31;    // 2 x (symbol + 2)
    static constexpr int SymbolCount = 26;   // the accessory symbol set, shared with feedback

    explicit RangeRecordTable(const DatabaseLayout& layout)
        : RecordTable(layout.rows, Cols), station(layout), m_layout(&layout)
    {
    }

    // What the station holds of each record: a record (or its format) edited back to it is no
    // longer to be sent.
    StationImage station;

    const DatabaseLayout& layout() const { return *m_layout; }
    int maxAddress() const { return m_layout->maxAddress(); }
    int status(int address) const { return value(address, Status); }
    // A record in use: held (read, loaded or edited) and written once; flash never written
    // reads as all 0xFF.
    bool holdsRecord(int address) const;

    // A blank record: every cell 0, then empty names (13 at byte 5) and symbol 3; status 0.
    void blankRecord(int address);

    // Start of a device read: every row not read (status 255); column 34 := 0. What is known of
    // the station stays: the read renews it for the range it reads.
    void markAllForDeviceRead();
    // After an edit of address a: a record equal to what the station holds is unchanged, a data
    // format equal to the station's no longer to be written. Name lines that read as the
    // station's take the station's bytes.
    void settleAsStored(int address);
    // Loaded from a file: the record (and the format, where the database has one) to be sent,
    // unless the station is known to hold it (station.belongTo the file's station first).
    void markLoaded(int address);
    // The format was edited: to be written, unless it is the station's.
    void markFormatEdited(int address);

    // Name line 1 or 2 (line 2 follows the first 13 in bytes 4..31).
    QString nameLine(int address, int line) const;
    // Stores both lines; the record becomes changed when any of bytes 0..31 differs (and
    // unchanged again when they are what the station holds).
    void saveNames(int address, const QString& line1, const QString& line2);

    // The symbol the record shows: code 6..56 stand for symbols 1..26; 0 for no picture.
    int shownSymbol(int address) const;
    // Where the symbol chooser starts: the record's symbol, kept within 1..26.
    int symbolPreset(int address) const;
    // The chooser's answer: bytes 28..31 rewritten whatever it was, the record changed when the
    // answer differs from the preset (or unchanged when it is now what the station holds).
    void chooseSymbol(int address, int symbol, int preset);

private:
    const DatabaseLayout* m_layout;
};

} // namespace kx2
