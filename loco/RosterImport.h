#pragma once
#include "loco/RosterFile.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kx2 {

class FunctionKeywords;
class LocoTable;
struct LocoFormatTables;

// A locomotive list taken into LocoTable. Per entry: a record whose address is the entry's takes
// its name, data format, maximum speed and the symbols its labels name, through the editor's own
// edits (marked changed where a byte or the format changed); a new address becomes a new record.
// Records not in the list stay as they are. Nothing is asked here: the caller asks first.
struct RosterImportDone {
    enum class Verdict {
        Taken,
        Refused,      // `refusal` says why, naming the entry; nothing changed
        NeedsConsent, // names longer than a record holds (`tooLong`); nothing changed
    };
    Verdict verdict = Verdict::Taken;
    QString refusal;
    QStringList tooLong;  // the names, as the list writes them
    int changed = 0;      // records of the table whose bytes or format changed
    int added = 0;        // new records
    int shortened = 0;    // names cut to the record's 23 characters
    bool taken() const { return verdict == Verdict::Taken; }
};

// What an import of `roster` would say before it changes anything: refused (an entry without an
// address or with one outside 1..9999, an address given twice, more locomotives than the 500
// slots hold), or the names too long for a record; else Taken with nothing counted.
RosterImportDone checkRosterImport(const LocoTable& table, const RosterFile& roster);

// Takes `roster` into `table` unless checkRosterImport refuses it, or finds names too long and
// `shorten` (the user's consent) is false: then nothing changes.
//
// Data formats: DCC takes the entry's speed steps (Rocrail's 14, 28 or 128), else the record's own
// DCC steps, else 28; Motorola keeps the record's Motorola alt or neu, else neu; Rocrail's Motorola
// of version 1 is Motorola alt; Selectrix is Selectrix. A data format this program exported
// (JmriFormatKey) counts when it is of the entry's kind. Any other protocol leaves the record's
// format (a new record has none). The maximum speed is taken only in km/h (rounded up to an even
// number, at most 510); a label that names no symbol leaves the function's symbol.
RosterImportDone importRoster(LocoTable& table, const LocoFormatTables& formats, const FunctionKeywords& keywords,
                              const RosterFile& roster, bool shorten);

// "12 Lokomotiven geändert, 3 neu, 2 Namen gekürzt" (the last part only when names were cut).
QString rosterSummaryText(const RosterImportDone& done);
// Which names are too long, and how long a name may be, one name a line.
QString rosterTooLongText(const QStringList& tooLong);
// The same, and the question whether they are to be cut.
QString rosterShortenQuestion(const QStringList& tooLong);

} // namespace kx2
