// The count of a transfer, its cancel and the check after a send, against the simulated command
// station on virtual time: where a cancelled transfer leaves the station, the port and the
// table, what the user is told, and what the check finds in a page the station stored wrongly.
#include "accessory/AccessoryTable.h"
#include "app/StationBackup.h"
#include "records/NameLines.h"
#include "records/ProgressMeter.h"
#include "records/TransferDone.h"
#include "link/ResultText.h"
#include "routes/RouteCommand.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

using namespace kx2;
using kx2::test::SimRig;

namespace {

// A progress window whose user asks to cancel once the count of `unit` reaches `at`.
class CancellingProgress : public test::RecordingProgress {
public:
    void setCount(const ProgressCount& c) override
    {
        lastCount = c;
        if (c.shown())
            percents.push_back(c.percent());
        if (!unit.isEmpty() && c.unit == unit && c.done >= at)
            cancel = true;
    }
    void transferStarted() override { cancel = false; }
    bool cancelRequested() const override { return cancel; }
    QString unit;
    int at = 0;
    bool cancel = false;
    ProgressCount lastCount;
    std::vector<int> percents;
};

// Keeps the second text of a message, which the plain fake leaves out.
class DetailDialogs : public FakeDialogs {
public:
    MsgAnswer messageWithDetail(const QString& text, const QString& detail, MsgButtons buttons, MsgIcon icon,
                                const QString& title) override
    {
        details.push_back(detail);
        return messageBox(text, buttons, icon, title);
    }
    QStringList details;
};

// The simulated station of a SimRig with a context of its own whose progress window cancels on
// cue: the port hands what it receives to the context built last.
struct CancelRig {
    explicit CancelRig(sim::SimFaults faults = {}) : base({}, faults)
    {
        ctx.settings.ComPortNumber = QStringLiteral("SIM");
    }
    SimRig base;
    CancellingProgress progress;
    DetailDialogs dialogs;
    AppContext ctx{Platform{base.clock, base.port, base.portIo, dialogs, base.files, progress, base.controls}};
    sim::SimCommandStation& station() { return base.station; }
    const FakeDialogs::Call& lastBox() const { return dialogs.calls.back(); }
};

const QChar kCr(13);

enum class Db { Loco, Accessory, Routes };

ReadOutcome readOf(CancelRig& rig, Db db)
{
    return db == Db::Loco ? rig.ctx.locoTransfer().ReadLocoDatabase() : rig.ctx.accessoryTransfer().ReadAccessoryDatabase();
}

SendOutcome sendOf(CancelRig& rig, Db db)
{
    return db == Db::Loco ? rig.ctx.locoTransfer().SendLocoDatabase() : rig.ctx.accessoryTransfer().SendAccessoryDatabase();
}

// The status of row (locomotive slot or accessory address) after a read.
int statusOf(CancelRig& rig, Db db, int row)
{
    return db == Db::Loco ? rig.ctx.loco.status(row) : rig.ctx.accessories.status(row);
}

// Everything read is to be sent again.
void markAllChanged(CancelRig& rig, Db db, int count)
{
    for (int i = 0; i < count; ++i) {
        if (db == Db::Loco)
            rig.ctx.loco.setStatus(i, LocoTable::StatusChanged);
        else
            rig.ctx.accessories.set(i + 1, RangeRecordTable::Status, status::Changed);
    }
}

} // namespace

TEST(TransferCancel, EndsAtTheNextExchangeWithAccessAndPortClosedAndSaysHowFarItGot)
{
    const struct {
        const char* name;
        Db db;
        bool send;
        const char* unit;
        int at;
        int firstUnreached;  // the first row a cancelled read leaves empty
        const char* title;
        const char* text;
    } cases[] = {
        {"loco read", Db::Loco, false, "Lokdatensatz", 23, 23, "Lesen abgebrochen",
         "Das Lesen wurde abgebrochen.\r23 von 500 Datensätzen gelesen; die übrigen bleiben leer"},
        {"loco send", Db::Loco, true, "Geänderter Lokdatensatz", 23, -1, "Senden abgebrochen",
         "Das Senden wurde abgebrochen.\r23 von 60 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; die Zentrale "
         "ist teilweise beschrieben"},
        {"accessory read", Db::Accessory, false, "Magnetartikel", 16, 17, "Lesen abgebrochen",
         "Das Lesen wurde abgebrochen.\r16 von 60 Datensätzen gelesen; die übrigen bleiben leer"},
        {"accessory send", Db::Accessory, true, "Geänderter Magnetartikel", 16, -1, "Senden abgebrochen",
         "Das Senden wurde abgebrochen.\r16 von 60 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; die Zentrale "
         "ist teilweise beschrieben"},
        {"send cancelled before a write", Db::Loco, true, "Geänderter Lokdatensatz", 0, -1, "Senden abgebrochen",
         "Das Senden wurde abgebrochen.\r0 von 60 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; die Zentrale "
         "ist unverändert"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CancelRig rig;
        rig.station().seedLocomotives(60);
        rig.station().seedAccessories(60);
        rig.ctx.accessoryRange = {1, 60};
        if (c.send) {
            ASSERT_EQ(readOf(rig, c.db).result, 0);
            markAllChanged(rig, c.db, 60);
        }
        const QByteArray before = rig.station().area(sim::SimCommandStation::Flash::Data, c.db == Db::Loco ? 7501 + 30 : 6403);
        rig.progress.unit = QString::fromUtf8(c.unit);
        rig.progress.at = c.at;
        if (c.send) {
            EXPECT_EQ(sendOf(rig, c.db), SendOutcome::Cancelled);
            EXPECT_EQ(rig.station().area(sim::SimCommandStation::Flash::Data, c.db == Db::Loco ? 7501 + 30 : 6403), before)
                << "nothing written after the cancel";
        } else {
            const ReadOutcome out = readOf(rig, c.db);
            EXPECT_EQ(out.end, ReadEnd::Cancelled);
            EXPECT_FALSE(out.opensEditor());
            EXPECT_EQ(statusOf(rig, c.db, c.firstUnreached - 1), 0) << "read before the cancel";
            EXPECT_EQ(statusOf(rig, c.db, c.firstUnreached), 255) << "not reached";
        }
        EXPECT_FALSE(rig.station().accessOpen());
        EXPECT_FALSE(rig.base.port.portOpen());
        EXPECT_FALSE(rig.progress.visible);
        EXPECT_EQ(rig.lastBox().title, QString::fromUtf8(c.title));
        EXPECT_EQ(rig.lastBox().text.toStdString(), QString::fromUtf8(c.text).replace(QChar('\r'), kCr).toStdString());
        EXPECT_EQ(rig.station().violations(), 0) << rig.station().violationLog().join("\n").toStdString();

        // The cancel belongs to that transfer alone.
        rig.progress.unit.clear();
        EXPECT_EQ(readOf(rig, c.db).result, 0);
    }
}

namespace {
// Every route named and filled with the simulator's samples, all of it to be sent.
void fillRoutes(RouteTables& t)
{
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        NameLines::write(t.RouteNames, r, QStringLiteral("FS %1").arg(r), QString());
        const auto sample = sim::SimRouteModule::sampleRoute(r);
        std::copy(sample.begin(), sample.end(), t.RouteData[size_t(r)].begin() + RouteTables::StartEntry);
    }
    t.markEverythingForSending();
}
} // namespace

// The count line speaks of the name the step text names, while every exchange for that name waits.
TEST(TransferCount, RouteNamesCountTheNameTheStepNames)
{
    CancelRig rig;
    fillRoutes(rig.ctx.routes);
    QStringList seen; // "step text | count line" as each request went out
    rig.base.bus.setMonitor([&rig, &seen](const QByteArray&) {
        const QStringList& texts = rig.progress.texts;
        if (!texts.isEmpty() && texts.last().contains(QLatin1String("FS-Namen")))
            seen << texts.last() + QStringLiteral(" | ") + rig.progress.lastCount.text();
    });
    ASSERT_EQ(rig.ctx.routeTransfer().SendRoutes(), SendOutcome::Sent);
    ASSERT_EQ(rig.ctx.routeTransfer().ReadRoutes().result, 0);
    for (const char* pair : {" FS-Namen 10 schreiben | Geänderter Name 10 von 80", " FS-Namen 4 lesen | Fahrstraßenname 4 von 80"})
        EXPECT_TRUE(seen.contains(QString::fromUtf8(pair))) << pair;
    for (const char* lag : {" FS-Namen 10 schreiben | Geänderter Name 9 von 80", " FS-Namen 4 lesen | Fahrstraßenname 3 von 80"})
        EXPECT_FALSE(seen.contains(QString::fromUtf8(lag))) << lag;
}

TEST(TransferCancel, ARouteSendStopsInTheModuleWithProgrammingModeOff)
{
    CancelRig rig;
    fillRoutes(rig.ctx.routes);
    int moduleWrites = 0;
    rig.base.bus.setMonitor([&moduleWrites](const QByteArray& m) {
        moduleWrites += m.size() == 15 && static_cast<unsigned char>(m[0]) == 0xED && m[5] == 0x20 ? 1 : 0;
    });
    rig.progress.unit = QStringLiteral("Fahrstraßeneintrag");
    rig.progress.at = 10;

    EXPECT_EQ(rig.ctx.routeTransfer().SendRoutes(), SendOutcome::Cancelled);
    EXPECT_EQ(moduleWrites, 10) << "no module message after the cancel";
    EXPECT_FALSE(rig.station().routeModule().programming());
    EXPECT_FALSE(rig.station().accessOpen());
    EXPECT_FALSE(rig.base.port.portOpen());
    EXPECT_EQ(rig.lastBox().text.toStdString(),
              "Das Senden wurde abgebrochen.\r10 von 2000 Fahrstraßeneinträgen und 0 von 80 Datensätzen geschrieben; "
              "Datenbank-Index nicht geschrieben; die Zentrale ist teilweise beschrieben");
}

TEST(TransferCount, CountsSharesAndTimeLeftInTheProgramsWords)
{
    const struct {
        ProgressCount count;
        const char* line;
    } cases[] = {
        {{QStringLiteral("Lokdatensatz"), 42, 500, -1}, "Lokdatensatz 42 von 500, 8 %"},
        {{QStringLiteral("Lokdatensatz"), 42, 500, 130}, "Lokdatensatz 42 von 500, 8 %, noch etwa 2 min 10 s"},
        {{QStringLiteral("Magnetartikel"), 1, 2048, 700}, "Magnetartikel 1 von 2048, 0 %, noch etwa 11 min"},
        {{QStringLiteral("Rückmelder"), 15, 16, 3}, "Rückmelder 15 von 16, 93 %, noch etwa 5 s"},
        {{QStringLiteral("Fahrstraße"), 80, 80, -1}, "Fahrstraße 80 von 80, 100 %"},
        {{QString(), 0, 0, -1}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.count.line(), QString::fromUtf8(c.line));
}

TEST(SendCheck, FindsWhatTheStationStoredWronglyByAddressAndField)
{
    const struct {
        const char* name;
        Db db;
        int corruptEvery;
        SendOutcome outcome;
        const char* line;  // one line of the report; "" when nothing differs
        int corruptByte = 5;
    } cases[] = {
        {"loco, every page", Db::Loco, 1, SendOutcome::Failed, "Lok 38: Name gesendet 'Köf II', gelesen 'K÷f II'"},
        {"loco, fifth page", Db::Loco, 5, SendOutcome::Failed, "Lok 38: Höchstgeschwindigkeit gesendet 100, gelesen 102"},
        {"loco, all equal", Db::Loco, 0, SendOutcome::Sent, ""},
        {"loco, the last byte of every page", Db::Loco, 1, SendOutcome::Failed, "Lok 38: Symbol f11 gesendet 12, gelesen 13", 15},
        {"loco, the name's end mark", Db::Loco, 1, SendOutcome::Failed, "Lok 38: Name gesendet 'Köf II', gelesen 'Köf II\\x01ampflok'", 10},
        {"accessory, every page", Db::Accessory, 1, SendOutcome::Failed, "Magnetartikel 3: Name gesendet 'Köf II', gelesen 'K÷f II'"},
        {"accessory, all equal", Db::Accessory, 0, SendOutcome::Sent, ""},
        {"routes, every third module entry", Db::Routes, 3, SendOutcome::Failed,
         "Fahrstraße 1: Befehl 2 gesendet 'RM.Adr.201frei', gelesen 'RM.Adr.202frei'"},
        {"routes, all equal", Db::Routes, 0, SendOutcome::Sent, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CancelRig rig;
        rig.station().seedLocomotives(3);
        rig.station().seedAccessories(16);
        rig.station().faults().corruptByte = c.corruptByte;
        if (c.db == Db::Routes) {
            fillRoutes(rig.ctx.routes);
            rig.station().routeModule().faults().corruptWritesEvery = c.corruptEvery;
        } else {
            ASSERT_EQ(readOf(rig, c.db).result, 0);
        }
        if (c.db == Db::Loco) {
            rig.ctx.loco.WriteLokname(0, QStringLiteral("Köf II"));
            rig.ctx.loco.setAddress(0, 38);
            rig.ctx.loco.set(0, LocoTable::MaxSpeedHalf, 50);
            rig.ctx.loco.setStatus(0, LocoTable::StatusChanged);
        } else if (c.db == Db::Accessory) {
            rig.ctx.accessories.saveNames(3, QStringLiteral("Köf II"), QString());
            rig.station().faults().corruptWritesEvery = c.corruptEvery;
        }
        if (c.db == Db::Loco)
            rig.station().faults().corruptWritesEvery = c.corruptEvery;
        rig.ctx.settings.VerifyAfterSend = true;
        rig.progress.texts.clear();

        EXPECT_EQ(c.db == Db::Routes ? rig.ctx.routeTransfer().SendRoutes() : sendOf(rig, c.db), c.outcome);
        EXPECT_FALSE(rig.station().accessOpen());
        EXPECT_FALSE(rig.base.port.portOpen());
        EXPECT_TRUE(rig.progress.texts.contains(QStringLiteral(" Gesendete Daten prüfen")));
        if (c.outcome == SendOutcome::Sent) {
            EXPECT_EQ(rig.progress.texts.last(), QStringLiteral(" fertig!"));
            continue;
        }
        EXPECT_EQ(rig.lastBox().title, QStringLiteral("Fehler beim Prüfen der Datenbank"));
        EXPECT_TRUE(rig.lastBox().text.split(kCr).contains(QString::fromUtf8(c.line))) << rig.lastBox().text.toStdString();
        EXPECT_FALSE(rig.progress.texts.contains(QStringLiteral(" fertig!")));
        EXPECT_TRUE(c.db == Db::Loco ? rig.ctx.loco.status(0) == status::Changed
                    : c.db == Db::Accessory ? rig.ctx.accessories.status(3) == status::Changed
                                            : rig.ctx.routes.namesPending())
            << "still to be sent";
    }
}

// Each line: a send that fails part-way, and how far it got as the user is told under the
// program's own words: records, data formats, route entries and the index, written or not.
TEST(SendFailure, NamesWhatWasAndWasNotWrittenUnderTheProgramsText)
{
    // Every request lost once the station stored the area `after` (the last record written).
    const auto loseAfter = [](const char* after) {
        return [after](CancelRig& rig) {
            rig.station().setLog([&rig, after](const QString& line) {
                if (line == QLatin1String(after))
                    rig.station().faults().noAnswerEvery = 1;
            });
        };
    };
    // The answer to the request the station logs as `line` garbled: the station did what was asked.
    const auto garbleAnswerTo = [](const char* line) { return [line](CancelRig& rig) {
        rig.station().setLog([&rig, line](const QString& l) { rig.station().faults().garbleEvery = l == QLatin1String(line); });
    }; };
    const struct {
        const char* name;
        Db db;
        bool formats;  // every record's data format to be written as well
        std::function<void(CancelRig&)> fault;
        const char* detail;
    } cases[] = {
        {"loco formats refused", Db::Loco, true, [](CancelRig& rig) { rig.station().faults().refuseFormatWrites = true; },
         "4 von 4 Datensätzen und 0 von 4 Datenformaten geschrieben; Datenbank-Index geschrieben; die Zentrale ist "
         "teilweise beschrieben"},
        {"loco index answer lost", Db::Loco, false, loseAfter("Datenflash schreiben 7504"),
         "4 von 4 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; die Zentrale ist teilweise beschrieben"},
        {"accessory index answer lost", Db::Accessory, true, loseAfter("Datenflash schreiben 6400"),
         "16 von 16 Datensätzen und 0 von 16 Datenformaten geschrieben; Datenbank-Index nicht geschrieben; die Zentrale "
         "ist teilweise beschrieben"},
        {"loco area store answer garbled", Db::Loco, false, garbleAnswerTo("Datenflash schreiben 7501"),
         "0 (+1 möglicherweise) von 4 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; die Zentrale ist "
         "möglicherweise teilweise beschrieben"},
        {"accessory index store answer garbled", Db::Accessory, false, garbleAnswerTo("SAM Flash schreiben 964"),
         "16 von 16 Datensätzen geschrieben; Datenbank-Index möglicherweise geschrieben; die Zentrale ist teilweise "
         "beschrieben"},
        {"route name area store answer garbled", Db::Routes, false, garbleAnswerTo("Datenflash schreiben 6912"),
         "2000 von 2000 Fahrstraßeneinträgen und 0 (+8 möglicherweise) von 80 Datensätzen geschrieben; Datenbank-Index "
         "nicht geschrieben; die Zentrale ist teilweise beschrieben"},
        {"route module refuses", Db::Routes, false,
         [](CancelRig& rig) { rig.station().routeModule().faults().refuseProgramming = true; },
         "0 von 2000 Fahrstraßeneinträgen und 0 von 80 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; die "
         "Zentrale ist unverändert"},
        {"route names refused after the entries", Db::Routes, false,
         [](CancelRig& rig) { rig.station().faults().refusePageWrites = true; },
         "2000 von 2000 Fahrstraßeneinträgen und 0 von 80 Datensätzen geschrieben; Datenbank-Index nicht geschrieben; "
         "die Zentrale ist teilweise beschrieben"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CancelRig rig;
        rig.station().seedLocomotives(4);
        rig.station().seedAccessories(16);
        rig.ctx.accessoryRange = {1, 16};
        const int n = c.db == Db::Loco ? 4 : 16;
        if (c.db == Db::Routes)
            fillRoutes(rig.ctx.routes);
        else
            ASSERT_EQ(readOf(rig, c.db).result, 0);
        markAllChanged(rig, c.db, c.db == Db::Routes ? 0 : n);
        for (int i = 0; i < n && c.formats; ++i)
            c.db == Db::Loco ? rig.ctx.loco.set(i, LocoTable::FormatPending, 1)
                             : rig.ctx.accessories.set(i + 1, AccessoryTable::FormatStatus, 1);
        c.fault(rig);
        EXPECT_EQ(c.db == Db::Routes ? rig.ctx.routeTransfer().SendRoutes() : sendOf(rig, c.db), SendOutcome::Failed);
        ASSERT_FALSE(rig.dialogs.details.isEmpty());
        EXPECT_EQ(rig.dialogs.details.last().toStdString(), c.detail);
    }
}

namespace {
using K = ProgressMeter::Kind;
} // namespace

// Each line: what a transfer tells the meter and the bar's percent after a step: p plan, m at most, b begin (R, F, C
// check) units *exchanges; a advance, i plan the index, w write it, c check, u a run weighed 1:3, t its part.
TEST(TransferBar, RisesOnceOverAllPlannedPhasesWeighedByTheirExchanges)
{
    const struct {
        const char* name;
        const char* steps;
    } cases[] = {
        {"records of 6, formats of 1", "pR10*6 pF10=0 bR10 a5=42 a5=85 bF10=85 a10=100"},
        {"fewer formats than planned jump ahead", "pR10*6 mF10 bR10 a10=85 bF2=96 a2=100"},
        {"an unplanned phase holds the bar", "pR4 bR4 a4=100 bF4=100 a2=100"},
        {"the index counts once written", "pR3 i bR3 a3=75 w=100"},
        {"the check after a send", "c pR5 bR5 a5=50 bC5=50 a5=100"},
        {"a run of two transfers", "u t0 pR2 bR2 a2=25 t1 pR2=25 bR2 a1=62 a1=100"},
    };
    const QRegularExpression step(QStringLiteral("^([pmbaiwcut])([RFC]?)(\\d*)(?:\\*(\\d+))?(?:=(\\d+))?$"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualClock clock;
        CancellingProgress progress;
        ProgressMeter meter(progress, clock);
        for (const QString& text : QString::fromUtf8(c.steps).split(QLatin1Char(' '))) {
            const QRegularExpressionMatch m = step.match(text);
            ASSERT_TRUE(m.hasMatch()) << text.toStdString();
            const char op = m.captured(1)[0].toLatin1();
            const K kind = m.captured(2) == QLatin1String("F") ? K::Formats : m.captured(2) == QLatin1String("C") ? K::Checked : K::Records;
            const int n = m.captured(3).toInt();
            const double exchanges = m.captured(4).isEmpty() ? 1 : m.captured(4).toDouble();
            op == 'p' ? meter.plan(kind, QStringLiteral("Einheit"), n, exchanges) : op == 'm' ? meter.planAtMost(kind, QStringLiteral("Einheit"), n, exchanges)
            : op == 'b' ? meter.begin(kind, QStringLiteral("Einheit"), n) : op == 'a' ? meter.advance(n)
            : op == 'i' ? meter.planIndex() : op == 'w' ? (meter.indexStarted(), meter.indexWritten())
            : op == 'c' ? meter.planCheck() : op == 'u' ? meter.startRun({1, 3}) : (meter.part(size_t(n)), meter.reset());
            EXPECT_TRUE(m.captured(5).isEmpty() || meter.percent() == m.captured(5).toInt()) << text.toStdString() << " at "
                                                                                            << meter.percent();
        }
        EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end())) << "never falls";
    }
}

TEST(TransferBar, ALocoReadAndSendAndABackupRiseFromTheStartToAHundredAndNeverFall)
{
    for (const char* what : {"read", "send", "backup"}) {
        SCOPED_TRACE(what);
        const QString kind = QString::fromLatin1(what);
        CancelRig rig;
        rig.station().seedLocomotives(60);
        if (kind == QLatin1String("send")) {
            ASSERT_EQ(readOf(rig, Db::Loco).result, 0);
            markAllChanged(rig, Db::Loco, 60);
        }
        rig.progress.percents.clear();
        QTemporaryDir dir;
        if (kind == QLatin1String("backup"))
            EXPECT_TRUE(backupStation(rig.ctx, dir.filePath(QStringLiteral("b")), QStringLiteral("test")).ok());
        else
            EXPECT_TRUE(kind == QLatin1String("send") ? sendOf(rig, Db::Loco) == SendOutcome::Sent
                                                     : readOf(rig, Db::Loco).result == 0);
        const std::vector<int>& p = rig.progress.percents;
        ASSERT_FALSE(p.empty());
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end())) << "never falls";
        EXPECT_LT(*std::upper_bound(p.begin(), p.end(), 0), 10) << "rises from the start";
        EXPECT_EQ(p.back(), 100);
    }
}

// The main window's line after each transfer, without its time: what the transfer did in plain
// words, also when it was cancelled or failed; after a backup or a restore, every database.
TEST(TransferDone, TheStatusLineTellsHowTheLastTransferEnded)
{
    const struct {
        const char* name;
        Db db;
        bool send;
        const char* cancelAt;
        sim::SimFaults faults;
        const char* line;
    } cases[] = {
        {"loco read", Db::Loco, false, "", {}, "60 Lokomotiven gelesen"},
        {"accessory read", Db::Accessory, false, "", {}, "60 Magnetartikel gelesen"},
        {"one accessory sent", Db::Accessory, true, "", {}, "1 Magnetartikel gesendet"},
        {"loco read cancelled", Db::Loco, false, "Lokdatensatz", {}, "Lokomotiven: Lesen abgebrochen"},
        {"loco send cancelled", Db::Loco, true, "Geänderter Lokdatensatz", {},
         "Lokomotiven: Senden abgebrochen, die Zentrale ist unverändert"},
        {"loco read failed", Db::Loco, false, "", [] { sim::SimFaults f; f.readyNeverComes = true; return f; }(),
         "Lokomotiven: Lesen fehlgeschlagen"},
        {"accessory send failed", Db::Accessory, true, "",
         [] { sim::SimFaults f; f.refusePageWrites = true, f.refusedCode = 5; return f; }(),
         "Magnetartikel: Senden fehlgeschlagen, die Zentrale ist unverändert"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CancelRig rig(c.faults);
        rig.station().seedLocomotives(60);
        rig.station().seedAccessories(60);
        rig.ctx.accessoryRange = {1, 60};
        rig.base.controls.transferDone = QStringLiteral("500 Datensätze gelesen, 17:20");
        if (c.send) {
            rig.ctx.loco.setStatus(0, LocoTable::StatusChanged);
            rig.ctx.accessories.set(3, RangeRecordTable::Status, status::Changed);
            rig.ctx.accessories.set(3, 0, 1);
        }
        rig.progress.unit = QString::fromUtf8(c.cancelAt);
        // The box that ends a transfer never stands over its progress window.
        bool boxOverProgress = false;
        rig.dialogs.onCall = [&rig, &boxOverProgress](const FakeDialogs::Call& box) {
            boxOverProgress = boxOverProgress || (box.icon != MsgIcon::None && rig.progress.visible);
        };
        if (c.send)
            sendOf(rig, c.db);
        else
            readOf(rig, c.db);
        EXPECT_FALSE(boxOverProgress);
        const QString line = rig.base.controls.transferDone;
        EXPECT_EQ(line.section(QStringLiteral(", "), 0, -2), QString::fromUtf8(c.line)) << line.toStdString();
        EXPECT_TRUE(QTime::fromString(line.section(QStringLiteral(", "), -1), QStringLiteral("HH:mm")).isValid());
    }

    SimRig rig;
    rig.station.seedLocomotives(3);
    rig.ctx.accessoryRange = {1, 16};
    QTemporaryDir dir;
    ASSERT_TRUE(backupStation(rig.ctx, dir.filePath(QStringLiteral("b")), QStringLiteral("test")).ok());
    EXPECT_TRUE(rig.controls.transferDone.startsWith(
        QStringLiteral("3 Lokomotiven, 2048 Magnetartikel, 4096 Rückmelder und 0 Fahrstraßen gelesen, ")))
        << rig.controls.transferDone.toStdString();
}

// A backup as each request goes out: beside every step text the count and its bar, from the first
// request to the last, the count naming the unit the step names (its number, or in an area of
// 16 records one of the area's).
TEST(TransferCount, ABackupCountsEveryPhaseBesideItsStepAndTheBarNeverLeaves)
{
    const struct {
        const char* step;  // its number captured
        const char* unit;
        int total;
        int spread;  // the count's number minus the step's: 0..spread; -1: not compared
    } phases[] = {
        {"^ Datenbank öffnen$", "Lokdatensatz", 500, -1},
        {"^ Seriennummer lesen$", "Lokdatensatz", 500, -1},
        {"^ Lokdatensatz (\\d+) lesen$", "Lokdatensatz", 500, 0},
        {"^ Lokdatenfrm\\. Adr\\. (\\d+) lesen$", "Lokdatenformat", 3, -1},
        {"^ Magnetartikeldaten ab Adr\\.: (\\d+) lesen$", "Magnetartikel", 2048, 15},
        {"^ Magdatenfrm\\. Adr\\. (\\d+) lesen$", "Datenformat", 2048, 0},
        {"^ Rückmelderdaten ab Adr\\.: (\\d+) lesen$", "Rückmelder", 4096, 15},
        {"^ FS-Namen (\\d+) lesen$", "Fahrstraßenname", 80, 0},
        {"^ FS-Daten (\\d+) lesen$", "Fahrstraße", 80, 0},
        {"^ Datenbank schließen$", "Fahrstraße", 80, -1},
    };
    CancelRig rig;
    rig.station().seedLocomotives(3);
    std::vector<int> seen(std::size(phases));
    std::vector<QRegularExpression> steps;
    for (const auto& phase : phases)
        steps.emplace_back(QString::fromUtf8(phase.step));
    QStringList wrong;
    rig.base.bus.setMonitor([&](const QByteArray&) {
        const QString step = rig.progress.texts.value(rig.progress.texts.size() - 1);
        const ProgressCount& c = rig.progress.lastCount;
        for (size_t i = 0; i < std::size(phases); ++i) {
            const QRegularExpressionMatch m = steps[i].match(step);
            if (!m.hasMatch())
                continue;
            ++seen[i];
            const int off = c.shown() ? (c.current >= 0 ? c.current : c.done) - m.captured(1).toInt() : -1;
            if (!c.shown() || c.unit != QString::fromUtf8(phases[i].unit) || c.total != phases[i].total
                || (phases[i].spread >= 0 && (off < 0 || off > phases[i].spread)))
                wrong << step + QStringLiteral(" | ") + c.text();
            return;
        }
        wrong << step + QStringLiteral(" | no phase");
    });
    QTemporaryDir dir;
    ASSERT_TRUE(backupStation(rig.ctx, dir.filePath(QStringLiteral("b")), QStringLiteral("test")).ok());
    EXPECT_TRUE(wrong.isEmpty()) << wrong.mid(0, 5).join(QLatin1Char('\n')).toStdString();
    for (size_t i = 0; i < std::size(phases); ++i)
        EXPECT_GT(seen[i], 0) << phases[i].step;
    const std::vector<int>& p = rig.progress.percents;
    EXPECT_TRUE(std::is_sorted(p.begin(), p.end())) << "the bar never falls";
    EXPECT_EQ(p.back(), 100);
}
