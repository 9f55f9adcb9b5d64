// The history's steps on the tables alone: undo gives back every cell and what was known of the
// station, redo what the edit left; an edit that changed nothing makes no step.
#include "accessory/AccessoryCommands.h"
#include "accessory/AccessoryTable.h"
#include "loco/LocoCommands.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTable.h"
#include "records/RangeCommands.h"
#include "routes/RouteCommand.h"
#include "routes/RouteCommands.h"
#include "routes/RouteTables.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

// Slot 0 holds address 38, "Köf", as the station holds it; every other slot is empty.
LocoTable seededLocos()
{
    LocoTable t;
    t.clearTable();
    for (int c = 0; c < LocoTable::Cols; ++c)
        t.set(0, c, 0);
    t.setAddress(0, 38);
    t.WriteLokname(0, QStringLiteral("Köf"));
    t.set(0, LocoTable::MaxSpeedHalf, 40);
    t.station.takeRecord(t, 0);
    return t;
}

} // namespace

// Each line: the step, its name, the slots it changed (what a view shows anew after the edit,
// its undo and its redo; none: the step is dropped).
TEST(TableEditCommand, UndoGivesBackEveryCellAndRedoTheEdit)
{
    using T = LocoTable;
    using Slots = std::vector<int>;
    static LocoFormatTables formats;
    fillLocoFormatTables(formats);
    const struct {
        std::function<std::unique_ptr<TableEditCommand>(T&)> make;
        const char* text;
        Slots changed;
    } rows[] = {
        {[](T& t) { return std::make_unique<LocoSpeedCommand>(t, 0, 70); }, "Geschwindigkeit von Lok 38", {0}},
        {[](T& t) { return std::make_unique<LocoSpeedCommand>(t, 0, 40); }, "Geschwindigkeit von Lok 38", {}},
        {[](T& t) { return std::make_unique<LocoNameCommand>(t, 0, 38, QStringLiteral("V 60")); }, "Name von Lok 38", {0}},
        {[](T& t) { return std::make_unique<LocoFormatCommand>(t, formats, 0, 4); }, "Datenformat von Lok 38", {0}},
        {[](T& t) { return std::make_unique<LocoSymbolCommand>(t, 0, 2, 4, 7); }, "Symbol von Lok 38", {0}},
        {[](T& t) { return std::make_unique<NewLocoCommand>(t, 12, QStringLiteral("V 200")); }, "neue Lok 12", {1}},
        {[](T& t) { return std::make_unique<NewLocoCommand>(t, 0, QStringLiteral("V 200")); }, "neue Lok 0", {}},
        {[](T& t) { return std::make_unique<DeleteLocoCommand>(t, 0, 38); }, "Lok 38 gelöscht", {0}},
        {[](T& t) { return std::make_unique<DeleteLocoCommand>(t, 0, 39); }, "Lok 39 gelöscht", {}},
        {[](T& t) { return std::make_unique<WholeTableCommand>(t, t.station, QStringLiteral("alle löschen"), [&t] { clearLocoTable(t); }); },
         "alle löschen", {0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        T t = seededLocos();
        const T before = t;
        auto step = row.make(t);
        const T after = t;
        EXPECT_EQ(step->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(step->changedRows(), row.changed);
        EXPECT_EQ(step->changed(), !row.changed.empty());
        EXPECT_EQ(step->isObsolete(), row.changed.empty());
        step->redo(); // the push: the edit is done already
        EXPECT_TRUE(t == after);
        step->undo();
        EXPECT_TRUE(t == before);
        EXPECT_TRUE(t.station.recordAsStored(t, 0));
        step->redo();
        EXPECT_TRUE(t == after);
        EXPECT_EQ(step->changedRows(), row.changed);
    }
}

// The other databases name their records their own way and give back their marks the same.
TEST(TableEditCommand, AccessoriesAndRoutesComeBackWithTheirMarks)
{
    AccessoryTable a;
    a.Clear_MagDaten(5);
    const AccessoryTable blank = a;
    AccessoryFormatCommand format(a, 5);
    EXPECT_EQ(format.text(), QStringLiteral("Datenformat von Magnetartikel 5"));
    EXPECT_EQ(a.value(5, AccessoryTable::FormatStatus), 1);
    format.redo();
    format.undo();
    EXPECT_TRUE(a == blank);

    RouteTables r;
    const RouteTables::StationImage known{true, {}, true, {}};
    r.Station[7] = known;
    RouteEditCommand clear(r, QStringLiteral("alle löschen"), [&r] { r.forgetStation(7); r.RouteData[7][3] = 12; });
    clear.redo();
    clear.undo();
    EXPECT_TRUE(r.Station[7].entriesKnown && r.Station[7].nameKnown);
    EXPECT_EQ(r.RouteData[7][3], 0);
    clear.redo();
    EXPECT_EQ(r.RouteData[7][3], 12);
    EXPECT_EQ(RouteEntryCommand(r, 7, 1, DeleteEntryCode).text(), QStringLiteral("Fahrstraße 7 gelöscht"));
    EXPECT_EQ(RouteEntryCommand(r, 9, 3, 11).changedRows(), std::vector<int>{9});
    EXPECT_EQ(RouteEntryCommand(r, 7, 4, 0).text(), QStringLiteral("Befehl 3 von Fahrstraße 7"));
}
