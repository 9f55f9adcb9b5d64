// Locomotive lists of JMRI and Rocrail: read, taken into the table, refused, exported and read back.
#include "loco/FunctionKeywords.h"
#include "loco/RosterExport.h"
#include "loco/RosterFile.h"
#include "loco/RosterImport.h"
#include "loco/LocoTable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

QByteArray jmri(const char* locos)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<roster-config><roster>\n") + locos
        + "\n</roster></roster-config>\n";
}

QByteArray rocrail(const char* lcs)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plan><fblist/><lclist>\n") + lcs + "\n</lclist></plan>\n";
}

const FunctionKeywords& shippedKeywords()
{
    static const FunctionKeywordsRead read
        = loadFunctionKeywords(QCoreApplication::applicationDirPath() + QStringLiteral("/.."), QString());
    EXPECT_TRUE(read.ok()) << read.error.toStdString();
    return read.table;
}

// Slots 0 and 1: address 3 "V 60" DCC 128 and address 78 "BR 01" Motorola alt, as read.
LocoTable baseTable()
{
    LocoTable t;
    t.markAllForDeviceRead();
    t.createRecord(0, 3, QStringLiteral("V 60"));
    t.createRecord(1, 78, QStringLiteral("BR 01"));
    for (const auto& [slot, code, param] : {std::tuple(0, 83, 81), std::tuple(1, 64, 2)}) {
        t.set(slot, LocoTable::FormatCode, code);
        t.set(slot, LocoTable::FormatParam, param);
        t.setStatus(slot, LocoTable::StatusUnchanged);
    }
    return t;
}

LocoFormatTables formats()
{
    LocoFormatTables f;
    fillLocoFormatTables(f);
    return f;
}

} // namespace

// Each line: a list and what its first entry holds (labels as "function=label").
TEST(Roster, BothKindsReadIntoEntries)
{
    using P = RosterProtocol;
    const struct {
        const char* what;
        QByteArray xml;
        const char* name;
        const char* address;
        bool longAddress;
        P protocol;
        int steps, kmh;
        const char* labels;
    } rows[] = {
        {"JMRI, umlauts and escapes", jmri(R"(<locomotive id="K&#246;f &amp; &quot;Co&quot;" maxSpeed="0.5"><decoder/>
             <locoaddress><dcclocoaddress number="1234" longaddress="yes"/><protocol>dcc_long</protocol></locoaddress>
             <functionlabels><functionlabel num="0" lockable="true">Spitzenlicht</functionlabel>
             <functionlabel num="2">Horn &lt;laut&gt;</functionlabel></functionlabels></locomotive>)"),
         "Köf & \"Co\"", "1234", true, P::Dcc, 0, -1, "0=Spitzenlicht 2=Horn <laut>"},
        {"JMRI short, no protocol", jmri(R"(<locomotive id="E 94"><locoaddress><dcclocoaddress number="3" longaddress="no"/></locoaddress></locomotive>)"),
         "E 94", "3", false, P::Dcc, 0, -1, ""},
        {"JMRI old dccAddress only", jmri(R"(<locomotive id="Alt" dccAddress=" 44 "/>)"), "Alt", "44", false, P::Dcc, 0, -1, ""},
        {"JMRI dcc", jmri(R"(<locomotive id="D"><locoaddress><dcclocoaddress number="3" longaddress="no"/><protocol>dcc</protocol></locoaddress></locomotive>)"), "D", "3", false, P::Dcc, 0, -1, ""},
        {"JMRI dcc_short", jmri(R"(<locomotive id="D"><locoaddress><dcclocoaddress number="127" longaddress="no"/><protocol>dcc_short</protocol></locoaddress></locomotive>)"), "D", "127", false, P::Dcc, 0, -1, ""},
        {"JMRI unknown word", jmri(R"(<locomotive id="U"><locoaddress><dcclocoaddress number="3" longaddress="no"/><protocol>lgb</protocol></locoaddress></locomotive>)"), "U", "3", false, P::Other, 0, -1, ""},
        {"JMRI motorola", jmri(R"(<locomotive id="M"><locoaddress><dcclocoaddress number="80" longaddress="no"/><protocol>motorola</protocol></locoaddress></locomotive>)"), "M", "80", false, P::Motorola, 0, -1, ""},
        {"JMRI mfx", jmri(R"(<locomotive id="X"><locoaddress><dcclocoaddress number="5" longaddress="no"/><protocol>mfx</protocol></locoaddress></locomotive>)"), "X", "5", false, P::Motorola, 0, -1, ""},
        {"JMRI m4", jmri(R"(<locomotive id="X"><locoaddress><dcclocoaddress number="5" longaddress="no"/><protocol>m4</protocol></locoaddress></locomotive>)"), "X", "5", false, P::Motorola, 0, -1, ""},
        {"JMRI selectrix", jmri(R"(<locomotive id="S"><locoaddress><dcclocoaddress number="9" longaddress="no"/><protocol>selectrix</protocol></locoaddress></locomotive>)"), "S", "9", false, P::Selectrix, 0, -1, ""},
        {"JMRI no address, our pairs", jmri(R"(<locomotive id="P"><attributepairs><keyvaluepair><key>KX2 Höchstgeschwindigkeit km/h</key><value>120</value></keyvaluepair></attributepairs></locomotive>)"), "P", "", false, P::Dcc, 0, 120, ""},
        {"Rocrail M, km/h", rocrail(R"(<lc id="BR 50" addr="50" prot="M" spcnt="14" V_max="80" V_mode="kmh"><fundef fn="1" text="Rauch"/></lc>)"), "BR 50", "50", false, P::Motorola, 14, 80, "1=Rauch"},
        {"Rocrail M version 1", rocrail(R"(<lc id="a" addr="1" prot="M" protver="1"/>)"), "a", "1", false, P::MotorolaOld, 0, -1, ""},
        {"Rocrail N 128, percent", rocrail(R"(<lc id="b" addr="2" prot="N" spcnt="128" V_max="100" V_mode="percent"/>)"), "b", "2", false, P::Dcc, 128, -1, ""},
        {"Rocrail L", rocrail(R"(<lc id="c" addr="3000" prot="L"/>)"), "c", "3000", true, P::Dcc, 0, -1, ""},
        {"Rocrail S", rocrail(R"(<lc id="d" addr="4" prot="S"/>)"), "d", "4", false, P::Selectrix, 0, -1, ""},
        {"Rocrail X", rocrail(R"(<lc id="d" addr="4" prot="X"/>)"), "d", "4", false, P::Selectrix, 0, -1, ""},
        {"Rocrail F (mfx)", rocrail(R"(<lc id="e" addr="6" prot="F"/>)"), "e", "6", false, P::Motorola, 0, -1, ""},
        {"Rocrail A", rocrail(R"(<lc id="f" addr="7" prot="A"/>)"), "f", "7", false, P::Other, 0, -1, ""},
        {"Rocrail P, nothing else", rocrail(R"(<lc id="g" addr="8" prot="P"/>)"), "g", "8", false, P::Other, 0, -1, ""},
        {"root holding lclist", "<rocrail><lclist><lc id=\"h\" addr=\"9\"/></lclist></rocrail>", "h", "9", false, P::Other, 0, -1, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const RosterFile f = readRoster(row.xml);
        ASSERT_TRUE(f.ok()) << f.error.toStdString();
        ASSERT_EQ(f.entries.size(), 1u);
        const RosterEntry& e = f.entries.front();
        QStringList labels;
        for (const auto& [fn, label] : e.labels)
            labels << QStringLiteral("%1=%2").arg(fn).arg(label);
        EXPECT_EQ(std::tuple(e.name, e.address, e.longAddress, e.protocol, e.speedSteps, e.maxSpeedKmh.value_or(-1), labels.join(' ')),
                  std::tuple(QString::fromUtf8(row.name), QString::fromUtf8(row.address), row.longAddress, row.protocol, row.steps, row.kmh,
                             QString::fromUtf8(row.labels)));
    }
}

// Each line: a list the import refuses, and what the message says. The table stays as it was.
TEST(Roster, EveryRefusalNamesWhyAndChangesNothing)
{
    QByteArray full = "<plan><lclist>";
    for (int a = 100; a < 100 + LocoTable::SlotCount - 1; ++a) // two more than the free 498 slots
        full += QStringLiteral("<lc id=\"L%1\" addr=\"%1\"/>").arg(a).toUtf8();
    full += "</lclist></plan>";
    const struct {
        QByteArray xml;
        const char* says;
    } rows[] = {
        {"<roster-config><roster>\n<locomotive id=\"a\">\n</roster-config>", "Zeile 3: kein wohlgeformtes XML"},
        {"", "Zeile 1: kein wohlgeformtes XML"},
        {"<layout><lclistx/></layout>", "Wurzelelement <layout>"},
        {"<!DOCTYPE plan [<!ENTITY a \"aaaa\">]><plan/>", "Zeile 1: die Dokumenttyp-Deklaration erklärt Entitäten"},
        {"<!DOCTYPE plan SYSTEM \"plan.dtd\"><plan><lclist><lc id=\"&x;\" addr=\"1\"/></lclist></plan>", "Entität"},
        {rocrail(R"(<lc id="Ohne"/>)"), "Lok \"Ohne\" (Zeile 3): keine Adresse"},
        {rocrail(R"(<lc id="Null" addr="0"/>)"), "Adresse 0 liegt nicht im Bereich 1 bis 9999"},
        {rocrail(R"(<lc id="Zu groß" addr="10000"/>)"), "Lok \"Zu groß\" (Zeile 3): die Adresse 10000"},
        {rocrail(R"(<lc id="Text" addr="drei"/>)"), "Adresse drei liegt nicht"},
        {rocrail(R"(<lc id="A" addr="9999"/><lc id="B" addr="9999"/>)"), "Lok \"B\" (Zeile 3): die Adresse 9999 hat schon Lok \"A\" (Zeile 3)"},
        {full, "Lok \"L598\" (Zeile 1): kein freier Platz mehr"},
    };
    const FunctionKeywords keywords;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.says);
        LocoTable table = baseTable();
        const LocoTable before = table;
        const RosterFile f = readRoster(row.xml);
        const RosterImportDone done = importRoster(table, formats(), keywords, f, true);
        const QString why = f.ok() ? done.refusal : f.error;
        EXPECT_TRUE(why.contains(QString::fromUtf8(row.says))) << why.toStdString();
        EXPECT_TRUE(table == before);
    }
    // The last free slot still takes one.
    full.replace("<lc id=\"L598\" addr=\"598\"/>", "");
    LocoTable table = baseTable();
    EXPECT_EQ(importRoster(table, formats(), keywords, readRoster(full), true).added, LocoTable::SlotCount - 2);

    QTemporaryDir dir;
    QFile big(dir.filePath("plan.xml"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(MaxRosterFileBytes + 1));
    big.close();
    EXPECT_TRUE(loadRosterFile(big.fileName()).error.contains("Datei zu groß")) << loadRosterFile(big.fileName()).error.toStdString();
}

// Each line: one entry into the base table (V 60 at 3, DCC 128; BR 01 at 78, Motorola alt), the
// counts it gives, and the slot's format code, f0's and f2's symbols and speed afterwards.
TEST(Roster, AnEntryTakesWhatItSaysAndLeavesTheRest)
{
    const struct {
        QByteArray xml;
        int changed, added, shortened, slot, code, f0, f2, speed;
    } rows[] = {
        {rocrail(R"(<lc id="V 60" addr="3"/>)"), 0, 0, 0, 0, 83, 0, 0, 80},
        {rocrail(R"(<lc id="V 60 neu" addr="3" prot="N"/>)"), 1, 0, 0, 0, 83, 0, 0, 80},
        {rocrail(R"(<lc id="V 60" addr="3" prot="N" spcnt="14"/>)"), 1, 0, 0, 0, 80, 0, 0, 80},
        {rocrail(R"(<lc id="V 60" addr="3" prot="M"/>)"), 1, 0, 0, 0, 65, 0, 0, 80},
        {rocrail(R"(<lc id="BR 01" addr="78" prot="M"/>)"), 0, 0, 0, 1, 64, 0, 0, 80},
        {rocrail(R"(<lc id="BR 01" addr="78" prot="N"/>)"), 1, 0, 0, 1, 82, 0, 0, 80},
        {rocrail(R"(<lc id="V 60" addr="3" V_max="121" V_mode="kmh"/>)"), 1, 0, 0, 0, 83, 0, 0, 122},
        {rocrail(R"(<lc id="V 60" addr="3" V_max="900" V_mode="kmh"/>)"), 1, 0, 0, 0, 83, 0, 0, 510},
        {rocrail(R"(<lc id="V 60" addr="3"><fundef fn="0" text="Light"/><fundef fn="2" text="Pfeife laut"/><fundef fn="29" text="Horn"/></lc>)"), 1, 0, 0, 0, 83, 1, 13, 80},
        {jmri(R"(<locomotive id="V 60" dccAddress="3"><functionlabels><functionlabel num="2">Was auch immer</functionlabel></functionlabels></locomotive>)"), 0, 0, 0, 0, 83, 0, 0, 80},
        {jmri(R"(<locomotive id="Neu" dccAddress="4"><locoaddress><dcclocoaddress number="4" longaddress="no"/><protocol>selectrix</protocol></locoaddress></locomotive>)"), 0, 1, 0, 2, 72, 0, 0, 80},
        {rocrail(R"(<lc id="Neu ohne Format" addr="4" prot="A"/>)"), 0, 1, 0, 2, -1, 0, 0, 80},
        {rocrail(R"(<lc id="Ein Name mit 24 Zeichen!" addr="4"/><lc id="12345678901234567890123" addr="3"/>)"), 1, 1, 1, 2, -1, 0, 0, 80},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.xml.toStdString());
        LocoTable table = baseTable();
        const RosterImportDone done = importRoster(table, formats(), shippedKeywords(), readRoster(row.xml), true);
        EXPECT_EQ(std::tuple(done.changed, done.added, done.shortened), std::tuple(row.changed, row.added, row.shortened));
        EXPECT_EQ(std::tuple(table.cell(row.slot, LocoTable::FormatCode).value_or(-1), table.symbol(row.slot, 0), table.symbol(row.slot, 2),
                             table.maxSpeed(row.slot)),
                  std::tuple(row.code, row.f0, row.f2, row.speed));
    }
    // Without consent a name too long changes nothing; the summary counts what was done.
    LocoTable table = baseTable();
    const LocoTable before = table;
    const RosterImportDone asked = importRoster(table, formats(), shippedKeywords(),
                                                readRoster(rocrail(R"(<lc id="Ein Name mit 24 Zeichen!" addr="4"/>)")), false);
    EXPECT_EQ(asked.verdict, RosterImportDone::Verdict::NeedsConsent);
    EXPECT_TRUE(table == before);
    EXPECT_EQ(rosterSummaryText({RosterImportDone::Verdict::Taken, {}, {}, 12, 3, 2}), "12 Lokomotiven geändert, 3 neu, 2 Namen gekürzt");
}

// Each line: a label and the symbol it names (0: none).
TEST(Roster, LabelsNameSymbolsInGermanAndEnglish)
{
    const struct {
        const char* label;
        int symbol;
    } rows[] = {{"Licht", 1}, {"Light", 1}, {"Spitzenlicht", 1}, {"  LICHT  ", 1}, {"Licht vorne", 1}, {"Licht allgemein", 2},
                {"Horn", 12}, {"Bell", 14}, {"Glocke", 14}, {"Rauchgenerator", 34}, {"Dampf ablassen", 35},
                {"F28", 79}, {"Function F0", 51}, {"Lichtschranke", 0}, {"", 0}, {"xyz", 0}};
    for (const auto& row : rows)
        EXPECT_EQ(shippedKeywords().symbolOf(QString::fromUtf8(row.label)).value_or(0), row.symbol) << row.label;
    // Every symbol's label in either language names it again.
    for (int s = 1; s < 80; ++s)
        for (const Language l : {Language::German, Language::English})
            EXPECT_EQ(shippedKeywords().symbolOf(shippedKeywords().labelOf(s, l)).value_or(0), s) << s;
    // Each line of a table file: the line and what reading says (the boundaries of the number).
    const std::pair<const char*, const char*> files[] = {
        {"# nur Kommentar\n\n", ""}, {"79; F28", ""}, {"1; ; Light", ""}, {"0; Nichts", "Zeile 1: \"0\" ist keine Symbolnummer von 1 bis 79"},
        {"80; Zu weit", "keine Symbolnummer"}, {"\n2;", "Zeile 2: erwartet"}, {"2; a; b; c", "erwartet"}};
    for (const auto& [text, says] : files)
        EXPECT_TRUE(readFunctionKeywords(text).error.contains(QString::fromUtf8(says))) << text;
}

// The station's locomotives exported and read back into an empty table: names, addresses,
// formats and symbols come back.
TEST(Roster, ExportAndImportGiveBackTheLocomotives)
{
    LocoTable table;
    table.markAllForDeviceRead();
    const LocoFormatTables f = formats();
    for (int i = 0; i < LocoFormatCount; ++i) {
        table.createRecord(i, i == 4 ? 1234 : i == 2 ? 127 : i == 3 ? 128 : 3 + i, i == 2 ? QStringLiteral("Köf <II> & \"Co\"") : QStringLiteral("Lok/%1").arg(i));
        table.set(i, LocoTable::FormatCode, f.LocoFormatCodes[size_t(i)]);
        table.set(i, LocoTable::FormatParam, f.LocoFormatParams[size_t(i)]);
        table.set(i, LocoTable::symbolColumn(i), 1 + 13 * i);
        table.set(i, LocoTable::MaxSpeedHalf, 20 + i);
    }
    table.createRecord(7, 40, QStringLiteral("Lok/1")); // the same file name as slot 1's
    table.set(7, LocoTable::FormatCode, 82);
    table.createRecord(8, 41, QStringLiteral("Ohne Format"));
    QTemporaryDir dir;
    for (const Language language : {Language::German, Language::English}) {
        const RosterExportDone out = exportJmriRoster(table, shippedKeywords(), language, dir.path());
        ASSERT_TRUE(out.ok()) << out.error.toStdString();
        EXPECT_EQ(out.written, 8);
        EXPECT_TRUE(QFile::exists(dir.filePath("roster/Lok_1_40.xml")));
        LocoTable back;
        back.markAllForDeviceRead();
        const RosterFile read = loadRosterFile(dir.filePath("roster.xml"));
        ASSERT_TRUE(read.ok()) << read.error.toStdString();
        for (const RosterEntry& e : read.entries) // DCC from 128 on is a long address
            EXPECT_EQ(e.longAddress, e.address.toInt() >= 128) << e.address.toStdString();
        EXPECT_EQ(importRoster(back, f, shippedKeywords(), read, false).added, 8);
        for (int slot : {0, 1, 2, 3, 4, 5, 7, 8})
            for (int col : {LocoTable::AddressLow, LocoTable::AddressHigh, LocoTable::FormatCode, LocoTable::MaxSpeedHalf})
                EXPECT_EQ(back.cell(slot > 5 ? slot - 1 : slot, col), table.cell(slot, col)) << slot << " " << col;
        for (int slot = 0; slot < 6; ++slot) {
            EXPECT_EQ(back.ReadLokname(slot), table.ReadLokname(slot));
            EXPECT_EQ(back.symbol(slot, slot), table.symbol(slot, slot));
        }
    }
}
