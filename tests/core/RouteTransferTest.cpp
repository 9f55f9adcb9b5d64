// Routes against the simulated command station and its route module, in-process on virtual time:
// a full send and read back, the failures each transfer can meet, and the route files.
#include "records/NameLines.h"
#include "link/ResultText.h"
#include "routes/RouteCommand.h"
#include "routes/RouteEdits.h"
#include "routes/RouteFiles.h"
#include "support/SimRig.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::SimRig;

namespace {

// All 80 sample routes, every name record and entry to be sent.
void fillSamples(RouteTables& t)
{
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        const auto entries = sim::SimRouteModule::sampleRoute(r);
        for (int j = 1; j <= RouteTables::EntryCount; ++j)
            t.RouteData[size_t(r)][size_t(j)] = entries[size_t(j - 1)];
        NameLines::write(t.RouteNames, r, QStringLiteral("Fahrstraße %1").arg(r), QStringLiteral("Süd"));
    }
    t.markEverythingForSending();
}

int progOffRequests(const std::vector<QByteArray>& onBus)
{
    int n = 0;
    for (const QByteArray& m : onBus)
        n += (m.size() == 15 && static_cast<unsigned char>(m[0]) == 0xE5 && m[3] == 0x05 && m[13] == 0x40) ? 1 : 0;
    return n;
}

} // namespace

TEST(Routes, EightyRoutesOfEveryKindAreSentAndReadBackEqual)
{
    sim::SimFaults faults;
    faults.chatterInterval = 0.04;  // other devices talk throughout
    SimRig rig({}, faults);
    RouteTables& t = rig.ctx.routes;
    fillSamples(t);
    QStringList texts;
    for (int r = 1; r <= RouteTables::RouteCount; ++r)
        for (int j = 1; j <= RouteTables::EntryCount; ++j)
            texts << FS_Befehl_to_Text(t, r, j);
    for (const char* kind : {"leer", "angehängt", "Autostart", "belegt", "frei", "rot", "grün", "Lok 0", "Lok 9999",
                             "Geschw.", "Lok Halt", "Lok Nothalt", "Fahrtr.vorw.", "Fahrtr.rückw.", "Fahrtr.wenden",
                             "Fkt. f0", "Fkt. f5", "Pause ", "UnterFS:1", "UnterFS:2", "UnterFS:3", "UnterFS:4"})
        EXPECT_FALSE(texts.filter(QString::fromUtf8(kind)).isEmpty()) << kind;
    EXPECT_NE(t.RouteData[3][25], RouteTables::EndOfRoute) << "one route of 24 commands";

    ASSERT_EQ(rig.ctx.routeTransfer().SendRoutes(), SendOutcome::Sent);
    const size_t boxes = rig.dialogs.calls.size();
    EXPECT_EQ(rig.ctx.routeTransfer().SendRoutes(), SendOutcome::NothingPending) << "what was sent is the station's";
    EXPECT_EQ(rig.dialogs.calls.size(), boxes);
    const RouteTables sent = t;
    // The first record number after an empty index is 1; serial 1 200 066 051 gives 67051 & 0xFFFF.
    EXPECT_EQ(rig.station.area(sim::SimCommandStation::Flash::Data, 6912).left(4), QByteArray("\x01\x00\x00\xB0", 4));
    EXPECT_EQ(sent.RouteNames.value(1, 30) + 256 * sent.RouteNames.value(1, 31), 1515);

    rig.ctx.routes = RouteTables();
    ASSERT_EQ(rig.ctx.routeTransfer().ReadRoutes().result, 0);
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        EXPECT_EQ(t.RouteData[size_t(r)], sent.RouteData[size_t(r)]) << "route " << r;
        for (int c = 0; c <= RouteTables::State; ++c)
            ASSERT_EQ(t.RouteNames.value(r, c), sent.RouteNames.value(r, c)) << "route " << r << " byte " << c;
    }
    EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(rig.station.routeModule().programming());
    EXPECT_FALSE(rig.station.accessOpen());
}

// Route 1 as the module holds it (what lies behind its end included), read, then edited as the
// editor does (entry, answer; entry 0 sends), sent and read again: the read gives what the grid
// showed. A route edited back to what the station holds sends nothing.
TEST(Routes, AfterEditsAndASendTheStationHoldsWhatTheGridShows)
{
    const struct { const char* name; std::vector<int> module; std::vector<std::pair<int, int>> edits; std::vector<int> shown; } rows[] = {
        {"deleted and made again", {1239, 120, 121, 452, 453, 105, 8}, {{1, DeleteEntryCode}, {0, 0}, {1, 509}, {2, 70}}, {509, 70, 8}},
        {"command behind the end", {1239, 110, 8, 33, 44}, {{6, 70}}, {1239, 110, 0, 0, 0, 70, 8}},
        {"command inserted", {1239, 110, 8, 33}, {{2, InsertEntryCode}}, {1239, 0, 110, 8}},
        {"command deleted", {1239, 110, 120, 8}, {{2, DeleteEntryCode}}, {1239, 120, 8}},
        {"start 0, commands never read", {0, 11, 21, 31}, {{1, 509}}, {509, 8}},
        {"edited back", {1239, 110, 8}, {{2, 120}, {3, 33}, {2, 110}, {3, 8}}, {1239, 110, 8}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SimRig rig;
        rig.station.seedRoutes(1);
        for (size_t j = 0; j < row.module.size(); ++j)
            rig.station.routeModule().setVariable(RouteTables::FirstVariable + int(j), row.module[j]);
        RouteTables& t = rig.ctx.routes;
        ASSERT_EQ(rig.ctx.routeTransfer().ReadRoutes().result, 0);
        rig.ctx.routeTransfer().SendRoutes();  // the start address the read brought in line
        for (const auto& [entry, answer] : row.edits)
            entry == 0 ? void(rig.ctx.routeTransfer().SendRoutes()) : void(applyEntryAnswer(t, 1, entry, answer));
        const auto grid = t.RouteData[1];
        EXPECT_EQ(std::vector<int>(&grid[1], &grid[1 + row.shown.size()]), row.shown);
        EXPECT_EQ(rig.ctx.routeTransfer().SendRoutes() == SendOutcome::NothingPending, row.shown == row.module);
        ASSERT_EQ(rig.ctx.routeTransfer().ReadRoutes().result, 0);
        EXPECT_EQ(t.RouteData[1], grid);
    }
}

TEST(Routes, FailuresAreReportedWithProgrammingModeOffAndTheAccessClosed)
{
    const struct {
        const char* name;
        bool send;
        std::function<void(SimRig&)> arrange;
        int code;
    } rows[] = {
        {"module absent", false, [](SimRig& rig) { rig.station.routeModule().faults().absent = true; },
         modrc::ProgOnNoAnswer},
        {"programming refused", true, [](SimRig& rig) { rig.station.routeModule().faults().refuseProgramming = true; },
         modrc::ProgOnRefused},
        // Every answer lost once programming mode is on: the first read is asked ten times.
        {"answers lost", false,
         [](SimRig& rig) {
             rig.station.setLog([&rig](const QString& line) {
                 if (line.contains(QStringLiteral("Programmiermodus ein")))
                     rig.station.routeModule().faults().loseAnswerEvery = 1;
             });
         },
         modrc::ReadNoAnswer},
        {"name page write refused", true, [](SimRig& rig) { rig.station.faults().refusePageWrites = true; }, 231611},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SimRig rig;
        std::vector<QByteArray> onBus;
        rig.bus.setMonitor([&onBus](const QByteArray& m) { onBus.push_back(m); });
        row.arrange(rig);
        if (row.send) {
            fillSamples(rig.ctx.routes);
            EXPECT_EQ(rig.ctx.routeTransfer().SendRoutes(), SendOutcome::Failed);
            EXPECT_TRUE(rig.ctx.routes.namesPending()) << "nothing counts as written";
        } else {
            const ReadOutcome out = rig.ctx.routeTransfer().ReadRoutes();
            EXPECT_EQ(out.result, row.code);
            EXPECT_FALSE(out.opensEditor());
        }
        const auto& box = rig.dialogs.calls.back();
        EXPECT_EQ(box.text, ResultText(row.code));
        EXPECT_EQ(box.title, row.send ? "Fehler beim Schreiben der Datenbank" : "Fehler beim Lesen der Datenbank");
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_FALSE(rig.station.routeModule().programming());
        EXPECT_EQ(progOffRequests(onBus), 1) << "programming mode left once it was asked for";
        EXPECT_FALSE(rig.station.accessOpen());
        EXPECT_FALSE(rig.port.portOpen());
    }
}

TEST(RouteFiles, TableFileLoadsWholeMarksRoutesWithAStartAndRefusesWhatNoDeviceTakes)
{
    SimRig rig;
    fillSamples(rig.ctx.routes);
    rig.ctx.storedSerial.set(1, 7);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fs.ISD"));
    rig.files.chooseNext(path);
    ASSERT_TRUE(saveRouteFile(rig.ctx.database, rig.ctx.routes));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines.size() - 1, RouteFileLines);

    RouteTables loaded;
    StoredSerial serial;
    ASSERT_TRUE(loadRouteTableFile(path, loaded, serial).ok());
    EXPECT_EQ(serial.value(1), 7);
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        EXPECT_EQ(loaded.RouteData[size_t(r)], rig.ctx.routes.RouteData[size_t(r)]);
        EXPECT_EQ(loaded.ReadFSname(1, r), QStringLiteral("Fahrstraße %1").arg(r));
        EXPECT_EQ(loaded.RouteNames.value(r, RouteTables::State), r % 10 == 0 ? 0 : 1) << "only routes with a start";
        EXPECT_EQ(loaded.RouteDataChanged[size_t(r)][25], r % 10 != 0);
    }

    // A file that ends early, and one whose entry no 16-bit variable holds, change nothing.
    const auto write = [&dir](const char* name, const QList<QByteArray>& body) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        f.open(QIODevice::WriteOnly);
        f.write(body.join('\n'));
        return f.fileName();
    };
    QList<QByteArray> big = lines;
    big[5] = "70000\r";
    for (const QString& bad : {write("short.ISD", lines.mid(0, RouteFileLines - 1)), write("big.ISD", big)}) {
        RouteTables before = loaded;
        EXPECT_EQ(loadRouteTableFile(bad, loaded, serial).error, IsdError::Read);
        EXPECT_EQ(loaded.RouteData, before.RouteData);
        EXPECT_EQ(loaded.RouteNames, before.RouteNames);
    }
}
