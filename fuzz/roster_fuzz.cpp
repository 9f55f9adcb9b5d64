// Arbitrary bytes as a locomotive list (readRoster), taken into a table of two locomotives (V 60 at
// address 3, BR 01 at 78) with consent to shorten names. Nothing may crash; a refused list changes
// nothing; a list that is taken, exported as a JMRI roster and read back is taken again without
// a change.
#include "FuzzSupport.h"
#include "loco/FunctionKeywords.h"
#include "loco/LocoTable.h"
#include "loco/RosterExport.h"
#include "loco/RosterFile.h"
#include "loco/RosterImport.h"

#include <cstdint>

using namespace kx2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FunctionKeywords keywords = [] {
        FunctionKeywords k;
        k.add(1, {QStringLiteral("Licht")}, {QStringLiteral("Light")});
        k.add(12, {QStringLiteral("Horn")}, {});
        return k;
    }();
    LocoTable table;
    table.markAllForDeviceRead();
    LocoFormatTables formats;
    fillLocoFormatTables(formats);
    table.createRecord(0, 3, QStringLiteral("V 60"));
    table.createRecord(1, 78, QStringLiteral("BR 01"));
    const LocoTable before = table;

    const RosterFile roster = readRoster(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    const RosterImportDone done = importRoster(table, formats, keywords, roster, true);
    if (!roster.ok() || !done.taken()) {
        fuzz::check(table == before);
        return 0;
    }
    // Exported and read back, the list says nothing new.
    std::vector<RosterEntry> entries = jmriEntriesOf(table, keywords, Language::German);
    const RosterFile again = readRoster(writeJmriRoster(entries));
    fuzz::check(again.ok() && again.entries.size() == entries.size());
    const LocoTable taken = table;
    const RosterImportDone second = importRoster(table, formats, keywords, again, true);
    fuzz::check(second.taken() && second.changed == 0 && second.added == 0 && table == taken);
    return 0;
}
