#pragma once
#include "loco/RosterFile.h"
#include "shell/Language.h"

#include <QString>
#include <vector>

namespace kx2 {

class FunctionKeywords;
class LocoTable;

// The locomotives of the table in use (a record, an address of 1..9999), in slot order, as JMRI
// roster entries: the name, the address (long from 128 on, where a short DCC address ends), the
// protocol of the data format (none for a record without one), the function labels of the symbols
// in `language` (the keyword table's first word), and the data format and the maximum speed as
// this program's attribute pairs. Each names its own file in roster/: the name with every
// character but letters, digits, '-' and '_' made '_', and the address added where two names
// come out the same.
std::vector<RosterEntry> jmriEntriesOf(const LocoTable& table, const FunctionKeywords& keywords, Language language);

struct RosterExportDone {
    int written = 0; // locomotives
    QString error;   // why a file was not written; "" when all were
    bool ok() const { return error.isEmpty(); }
};

// FOLDER/roster.xml and FOLDER/roster/NAME.xml per locomotive, the folders made where missing.
// Other files in them stay; a file of the same name is replaced whole, or left as it was when
// writing fails.
RosterExportDone exportJmriRoster(const LocoTable& table, const FunctionKeywords& keywords, Language language,
                                  const QString& folder);

} // namespace kx2
