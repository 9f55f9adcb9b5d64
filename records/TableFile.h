#pragma once
#include "records/IsdFile.h"
#include "shell/AddressRange.h"

#include <functional>
#include <optional>

namespace kx2 {

class FileDialog;
class RangeRecordTable;
class RecordTable;
class StoredSerial;
class UserDialogs;
struct DatabaseLayout;
struct Settings;

// What every editor's "laden" and "speichern" do around the file itself: the file prompt
// ("Sicherungsdatei öffnen..." / "...speichern..."), the short pauses, and the messages when a
// file cannot be read or written.
struct FilePrompt {
    FileDialog& files;
    UserDialogs& dialogs;
    const Settings& settings; // LastFileName
    // Lets the given seconds pass with the event loop running.
    std::function<void(double seconds)> pause;

    // Asks for a file, pauses, loads it; a failure is shown ("Falsches Fileformat", "Fehler beim
    // Öffnen des Files" with the line). True when the file was loaded.
    bool load(double pauseBefore, const std::function<IsdLoadResult(const QString& path)>& loadFile) const;
    // Asks for a name, saves, pauses; a failure is shown ("Fehler beim Speichern des Files"
    // with the reason). True when the file was written.
    bool save(const IsdWriter& file, double pauseAfter) const;
};

// Lines 2..5 of every table file: StoredSerial values 4, 3, 2, 1.
void writeSerialLines(IsdWriter& writer, const StoredSerial& serial);
bool readSerialLines(IsdReader& reader, StoredSerial& serial);

// The table file of a range database (accessories, feedback contacts): the header, the serial
// lines, the first and the last address, then for each address of the range the cells of its
// row, column by column.
struct RangeFileFormat {
    QString header;
    const DatabaseLayout& layout;
    // Whether a value read from the file fits column `col`; an empty cell fits everywhere.
    std::function<bool(int col, int value)> cellFits;
};

// 7 + cols x (last - first + 1) lines.
IsdWriter rangeTableFile(const RangeFileFormat& format, const RecordTable& table, const StoredSerial& serial,
                         const AddressRange& range);
// Taken whole or not at all: on any failure (a value that does not fit, a range the database
// does not have, a file that ends early) the table, the range and the serial keep what they held.
// The records loaded are to be sent where they differ from what the file's station is known to
// hold.
IsdLoadResult loadRangeTableFile(const QString& path, const RangeFileFormat& format, RangeRecordTable& table,
                                 StoredSerial& serial, AddressRange& range);

} // namespace kx2
