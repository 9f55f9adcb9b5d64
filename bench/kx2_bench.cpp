// kx2_bench: speed figures of the transfer and file code, one line per figure: "name: value unit".
// docs/performance.md says what each figure means, what it should reach and what it reached.
//
//   kx2_bench                 every benchmark
//   kx2_bench --only NAME     only the named ones (repeatable; --list shows the names)
//
// A benchmark is one entry in benchmarks() below; a new one is a function and a line there.
#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "link/PortIo.h"
#include "link/QtSerialComm1.h"
#include "link/ResultText.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTransfer.h"
#include "app/AppContext.h"
#include "app/StationBackup.h"
#include "sim/PortSwitch.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileDialog.h"
#include "support/SimRig.h"
#ifdef KX2_BENCH_GUI
#include "accessory/gui/MagDatenFrm.h"
#include "app/gui/AppWindows.h"
#include "feedback/gui/RMDatenFrm.h"
#include "link/gui/ComWin.h"
#include "loco/gui/LokdatenFrm.h"
#include "shell/BrandCaptions.h"
#include "shell/SettingsFile.h"
#include "editor/gui/FlexGrid.h"
#include "shell/gui/MainWin.h"
#include "editor/gui/PictureCache.h"
#include "shell/gui/QtUserDialogs.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>
using BenchApp = QApplication;
#else
#include <QCoreApplication>
using BenchApp = QCoreApplication;
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

using namespace kx2;

namespace {

// The LocoNet bit rate: 16 666 baud, ten bits a byte (start, eight data, stop).
constexpr double kLocoNetBaud = 16666.0;
constexpr double kBitsPerByte = 10.0;

struct Options {
    QString ctlPath;
    int repeat = 3;         // runs of the in-process benchmarks; the median is printed
    int wireSeed = 20;      // locomotives in the simulator of the wire benchmark
};

void figure(const char* name, double value, const char* unit, int decimals = 3)
{
    std::printf("%s: %.*f %s\n", name, decimals, value, unit);
    std::fflush(stdout);
}

[[maybe_unused]] void figureText(const char* name, const char* value, const char* unit)
{
    std::printf("%s: %s %s\n", name, value, unit);
    std::fflush(stdout);
}

void complain(const QString& text)
{
    QTextStream(stderr) << "kx2_bench: " << text << "\n";
}

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// User and system seconds of this process, or of its children that have ended and been waited for.
double rusageSeconds(int who = RUSAGE_SELF)
{
    rusage r{};
    getrusage(who, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

int usedSlots(const LocoTable& t)
{
    int n = 0;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        n += t.holdsRecord(i) ? 1 : 0;
    return n;
}

// --- a: software overhead of a full read ---------------------------------------------------

// The in-process simulator with 500 locomotives on virtual time: no wire pacing, and the
// drivers' fixed pauses (and the simulator's ready delay) pass in no time. What is left is the
// processor work of the drivers, the protocol, the link and the simulator itself.
bool benchReadSim(const Options& o)
{
    std::vector<double> walls, cpus;
    int exchanges = 0;
    for (int run = 0; run < o.repeat; ++run) {
        test::SimRig rig;
        rig.station.seedLocomotives(500);
        const int before = rig.station.requestCount();
        QElapsedTimer timer;
        timer.start();
        const double cpu0 = processCpuSeconds();
        const ReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
        const double wall = double(timer.nsecsElapsed()) / 1e9;
        const double cpu = processCpuSeconds() - cpu0;
        if (out.result != 0 || usedSlots(rig.ctx.loco) != 500) {
            complain(QStringLiteral("read_sim: read failed (%1), %2 locomotives")
                         .arg(out.result).arg(usedSlots(rig.ctx.loco)));
            return false;
        }
        exchanges = rig.station.requestCount() - before;
        walls.push_back(wall);
        cpus.push_back(cpu);
    }
    const double wall = median(walls);
    figure("read_sim_wall", wall, "s");
    figure("read_sim_cpu", median(cpus), "s");
    figure("read_sim_exchanges", exchanges, "exchanges", 0);
    figure("read_sim_per_exchange", wall / std::max(1, exchanges) * 1e6, "us", 1);
    return true;
}

// --- b: wire efficiency of a read over a real serial path ----------------------------------

// The trace with the time of every line, so that a wait can be put down to its side: the
// tool's own turnaround (answer complete -> next request written) or the line and the simulator
// (request written -> answer complete).
class TimedTrace : public QIODevice {
public:
    explicit TimedTrace(QElapsedTimer& timer) : m_timer(timer) { open(QIODevice::WriteOnly); }
    struct Line {
        double t;
        QByteArray text;
    };
    std::vector<Line> lines;
    QByteArray all() const
    {
        QByteArray a;
        for (const Line& l : lines)
            a += l.text;
        return a;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        lines.push_back({double(m_timer.nsecsElapsed()) / 1e9, QByteArray(data, int(len))});
        return len;
    }

private:
    QElapsedTimer& m_timer;
};

struct Turnaround {
    std::vector<double> tool;  // answer complete -> next request written
    std::vector<double> line;  // request written -> answer complete, less the wire time of both
};

// Pairs each request with its echo and the last message before the next request (its answer).
// Medians, so that the drivers' fixed pauses between two requests do not count.
Turnaround turnaround(const std::vector<TimedTrace::Line>& lines)
{
    Turnaround t;
    double txAt = -1;
    double txBytes = 0;
    double lastRxAt = -1;
    double rxBytes = 0;
    bool echoSeen = false;
    for (const TimedTrace::Line& l : lines) {
        const double n = double(l.text.trimmed().size() - 2) / 3.0;
        if (l.text.startsWith("TX")) {
            if (txAt >= 0 && lastRxAt >= txAt && echoSeen && rxBytes > 0) {
                t.tool.push_back(l.t - lastRxAt);
                t.line.push_back((lastRxAt - txAt) - (txBytes + rxBytes) * kBitsPerByte / kLocoNetBaud);
            }
            txAt = l.t;
            txBytes = n;
            rxBytes = 0;
            echoSeen = false;
            lastRxAt = -1;
        } else if (l.text.startsWith("RX")) {
            if (echoSeen)
                rxBytes += n;
            echoSeen = true;
            lastRxAt = l.t;
        }
    }
    return t;
}

struct TraceCount {
    long long txBytes = 0;
    long long rxBytes = 0;
    long long echoBytes = 0;
    int requests = 0;
    int echoes = 0;
    long long wireBytes() const { return txBytes + rxBytes - echoBytes; }
};

// Every message is on the bus once. The tool's request appears as its TX line and again as its
// own echo (the RX line right after it with the same bytes); the echo is the same bytes on the
// same wire, so it is not counted twice. Every other RX line (answers, the ready message) is a
// message the command station put on the wire.
TraceCount countTrace(const QByteArray& trace)
{
    TraceCount c;
    QByteArray lastTx;
    bool echoPending = false;
    for (const QByteArray& line : trace.split('\n')) {
        if (line.size() < 2)
            continue;
        const QByteArray payload = line.mid(3);
        const long long n = (line.size() - 2) / 3;
        if (line.startsWith("TX")) {
            c.txBytes += n;
            ++c.requests;
            lastTx = payload;
            echoPending = true;
        } else if (line.startsWith("RX")) {
            c.rxBytes += n;
            if (echoPending && payload == lastTx) {
                c.echoBytes += n;
                ++c.echoes;
            }
            echoPending = false;
        }
    }
    return c;
}

// kx2ctl sim as its own process on a pseudo-terminal (DIR/tty), putting every byte on the line no
// earlier than 16 666 baud allow. The ready delay is 0: it is the command station's own time, not
// the wire's, and would count against the tool.
class SimProcess {
public:
    SimProcess(const Options& o, const QString& name, const QStringList& args)
    {
        if (!QFile::exists(o.ctlPath)) {
            complain(QStringLiteral("%1: kx2ctl not found at %2 (--ctl)").arg(name, o.ctlPath));
            return;
        }
        m_sim.setProgram(o.ctlPath);
        m_sim.setArguments(QStringList{QStringLiteral("sim"), QStringLiteral("--pty"), tty(), QStringLiteral("--baud-pace"),
                                       QString::number(int(kLocoNetBaud)), QStringLiteral("--ready-delay"), QStringLiteral("0")}
                           + args);
        m_sim.setProcessChannelMode(QProcess::SeparateChannels);
        m_sim.start();
        // The simulator names its device on stdout once the terminal is ready.
        m_ready = m_sim.waitForStarted(5000) && m_sim.waitForReadyRead(10000) && QFile::exists(tty());
        if (!m_ready)
            complain(QStringLiteral("%1: the simulator did not start: %2")
                         .arg(name, QString::fromLocal8Bit(m_sim.readAllStandardError())));
    }
    ~SimProcess()
    {
        if (m_sim.state() == QProcess::NotRunning)
            return;
        m_sim.terminate();
        if (!m_sim.waitForFinished(5000)) {
            m_sim.kill();
            m_sim.waitForFinished(2000);
        }
    }
    bool ready() const { return m_ready; }
    QString tty() const { return file(QStringLiteral("tty")); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QProcess m_sim;
    bool m_ready = false;
};

// The LocoNet USB interface on the simulator's terminal, as a user sets it up.
void useTerminal(Settings& s, const QString& tty)
{
    s.ComPortNumber = tty;
    s.ComPortIsText = true;
    s.UseLocoNetInterface = true;
    s.UseUsbInterface = true;
}

// A read through the port stack of the programs (cli/CliContext.cpp, app/kx2tool.cpp): the port
// switch around QSerialPort (QtSerialComm1), on wall time, so that the figures are theirs.
struct WireRead {
    std::string prefix;    // of the figures' names
    QStringList simArgs;   // what the simulator holds and how it answers
    std::function<ReadOutcome(AppContext&)> read;
    std::function<int(AppContext&)> recordsRead;
    int expected;
    const char* unit;
    // With other devices' messages on the bus the trace cannot tell echoes and wire time apart:
    // only the times and the processor share are given.
    bool wireFigures = true;
};

struct WireFigures {
    double active;
    int exchanges;
    double wall;
    double bytes;
};

// Runs `work` (which returns "" or why it failed) against the simulator through the port stack of
// the programs, and gives its figures under `prefix`: the times, the bytes on the wire and the
// processor share.
std::optional<WireFigures> measureWire(const Options& o, const std::string& prefix, const QStringList& simArgs,
                                       bool wireFigures, const std::function<QString(AppContext&)>& work)
{
    const QString name = QString::fromStdString(prefix);
    SimProcess sim(o, name, simArgs);
    if (!sim.ready())
        return std::nullopt;

    SystemClock clock;
    QtSerialComm1 serial;
    sim::PortSwitch port(serial, clock, QString());
    NoPortIo portIo;
    FakeDialogs dialogs;
    FakeFileDialog files;
    NullProgress progress;
    NullMainControls controls;
    AppContext ctx(Platform{clock, port, portIo, dialogs, files, progress, controls});
    useTerminal(ctx.settings, sim.tty());
    QElapsedTimer timer;
    TimedTrace trace(timer);
    ctx.link.setTrace(&trace);

    const double cpu0 = rusageSeconds();
    timer.start();
    const QString failed = work(ctx);
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = rusageSeconds() - cpu0;

    if (!failed.isEmpty()) {
        complain(QStringLiteral("%1: %2").arg(name, failed));
        return std::nullopt;
    }
    // KX2_BENCH_TRACE=FILE keeps the timed trace, for looking at single exchanges.
    if (qEnvironmentVariableIsSet("KX2_BENCH_TRACE")) {
        QFile dump(qEnvironmentVariable("KX2_BENCH_TRACE"));
        if (dump.open(QIODevice::WriteOnly))
            for (const TimedTrace::Line& l : trace.lines)
                dump.write(QByteArray::number(l.t, 'f', 6) + ' ' + l.text);
    }
    const TraceCount c = countTrace(trace.all());
    const Turnaround ta = turnaround(trace.lines);
    if (wireFigures && c.echoes != c.requests)
        complain(QStringLiteral("%1: %2 requests but %3 echoes").arg(name).arg(c.requests).arg(c.echoes));
    const double paused = ctx.link.pausedSeconds();
    const double active = wall - paused;
    const double wireTime = double(c.wireBytes()) * kBitsPerByte / kLocoNetBaud;
    const auto fig = [&](const char* what, double value, const char* unit, int decimals = 3) {
        figure((prefix + "_" + what).c_str(), value, unit, decimals);
    };
    fig("exchanges", c.requests, "exchanges", 0);
    fig("wall", wall, "s");
    fig("paused", paused, "s");
    if (wireFigures) {
        fig("bytes", double(c.wireBytes()), "bytes", 0);
        fig("wire_time", wireTime, "s");
        fig("active", active, "s");
        fig("ratio", wireTime / active, "wire/active", 4);
        fig("overhead_per_exchange", (active - wireTime) / std::max(1, c.requests) * 1e6, "us", 1);
        fig("tool_turnaround", median(ta.tool) * 1e6, "us", 1);
        fig("line_latency", median(ta.line) * 1e6, "us", 1);
    }
    fig("cpu", cpu, "s");
    fig("cpu_share", cpu / wall, "cpu/wall", 4);
    return WireFigures{active, c.requests, wall, double(c.wireBytes())};
}

std::optional<WireFigures> benchWire(const Options& o, const WireRead& w)
{
    figure((w.prefix + "_" + w.unit).c_str(), w.expected, w.unit, 0);
    return measureWire(o, w.prefix, w.simArgs, w.wireFigures, [&w](AppContext& ctx) {
        const ReadOutcome out = w.read(ctx);
        if (out.result != 0 || w.recordsRead(ctx) != w.expected)
            return QStringLiteral("read failed (%1), %2 records").arg(out.result).arg(w.recordsRead(ctx));
        return QString();
    });
}

// The locomotives the simulator holds, read in full.
WireRead locoRead(const std::string& prefix, const Options& o, const QStringList& more = {})
{
    return {prefix, QStringList{QStringLiteral("--seed"), QString::number(o.wireSeed)} + more,
            [](AppContext& c) { return c.locoTransfer().ReadLocoDatabase(); },
            [](AppContext& c) { return usedSlots(c.loco); }, o.wireSeed, "locomotives"};
}

bool benchReadWire(const Options& o)
{
    return benchWire(o, locoRead("read_wire", o)).has_value();
}

// The same read on a busy bus: other devices put a message on the line every 20 ms.
bool benchReadWireBusy(const Options& o)
{
    WireRead w = locoRead("read_wire_busy", o, {QStringLiteral("--chatter"), QStringLiteral("20")});
    w.wireFigures = false;
    return benchWire(o, w).has_value();
}

// Every accessory address 1..2048: 128 areas of sixteen records and 2048 data formats.
bool benchReadWireAccessories(const Options& o)
{
    return benchWire(o, {"read_wire_acc", {QStringLiteral("--seed-acc"), QStringLiteral("2048")},
                         [](AppContext& c) {
                             c.accessoryRange = {1, AccessoryTable::MaxAddress};
                             return c.accessoryTransfer().ReadAccessoryDatabase();
                         },
                         [](AppContext& c) {
                             int n = 0;
                             for (int a = 1; a <= AccessoryTable::MaxAddress; ++a)
                                 n += c.accessories.status(a) == 0 ? 1 : 0;
                             return n;
                         },
                         AccessoryTable::MaxAddress, "accessories"})
        .has_value();
}

// All 80 routes: ten name areas of eight records, then every start entry and every command up to
// the first end of a route from the route module, in one programming cycle.
bool benchReadWireRoutes(const Options& o)
{
    return benchWire(o, {"read_wire_routes", {QStringLiteral("--seed-routes"), QString::number(RouteTables::RouteCount)},
                         [](AppContext& c) { return c.routeTransfer().ReadRoutes(); },
                         [](AppContext& c) {
                             int n = 0;
                             for (int r = 1; r <= RouteTables::RouteCount; ++r)
                                 n += c.routes.RouteNames.value(r, RouteTables::State) != status::Empty ? 1 : 0;
                             return n;
                         },
                         RouteTables::RouteCount, "routes"})
        .has_value();
}

// The exchanges of a whole-station backup: all four databases over their full ranges, as
// kx2ctl backup reads them from a full station.
constexpr int kBackupExchanges = 16474;

// What the latency timer of an FTDI-based USB interface costs: the locomotive read as read_wire,
// then with the simulator holding what it sends like a timer of 16 ms (the chip's default) and of
// 1 ms (what the driver sets in low-latency mode). The cost is per exchange against the first read,
// and for a whole-station backup.
bool benchReadWireLatency(const Options& o)
{
    const std::optional<WireFigures> plain = benchWire(o, locoRead("read_wire_latency0", o));
    if (!plain)
        return false;
    for (int ms : {16, 1}) {
        const std::string prefix = "read_wire_latency" + std::to_string(ms);
        const std::optional<WireFigures> held =
            benchWire(o, locoRead(prefix, o, {QStringLiteral("--latency-timer"), QString::number(ms)}));
        if (!held)
            return false;
        const double extra = (held->active - plain->active) / std::max(1, held->exchanges);
        figure((prefix + "_extra_per_exchange").c_str(), extra * 1e3, "ms");
        figure((prefix + "_backup_extra").c_str(), extra * kBackupExchanges, "s", 1);
    }
    return true;
}

// The typical layout of a whole-station backup: 50 locomotives, 200 accessories, 300 feedback
// contacts, 20 routes.
const QStringList kTypicalLayout{QStringLiteral("--seed"),     QStringLiteral("50"),  QStringLiteral("--seed-acc"),
                                 QStringLiteral("200"),        QStringLiteral("--seed-fb"), QStringLiteral("300"),
                                 QStringLiteral("--seed-routes"), QStringLiteral("20")};

// A whole-station backup of the typical layout, the full read and the quick one, then the quick
// restore of the full backup onto the unchanged station, which must write nothing. Each on a
// simulator of its own seeded the same way. About twenty minutes.
bool benchBackupWire(const Options& o)
{
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("full"));
    const auto backup = [](const QString& folder, bool quick) {
        return [folder, quick](AppContext& ctx) {
            BackupOptions options;
            options.quick = quick;
            const StationRunOutcome out = backupStation(ctx, folder, QStringLiteral("kx2_bench"), options);
            return out.ok() ? QString() : out.text;
        };
    };
    const std::optional<WireFigures> plain = measureWire(o, "backup_full", kTypicalLayout, true, backup(full, false));
    const std::optional<WireFigures> quick =
        measureWire(o, "backup_quick", kTypicalLayout, true, backup(dir.filePath(QStringLiteral("quick")), true));
    if (!plain || !quick)
        return false;
    figure("backup_quick_bytes_share", quick->bytes / plain->bytes, "of full", 3);
    figure("backup_quick_time_share", quick->wall / plain->wall, "of full", 3);
    // The station is the one backed up: the plan comes out empty, nothing is written.
    return measureWire(o, "restore_quick", kTypicalLayout, true, [&full](AppContext& ctx) {
               RestoreOptions options;
               options.quick = true;
               const StationRunOutcome out = restoreStation(ctx, full, options);
               return out.ok() && out.text.startsWith(QStringLiteral("Die Zentrale entspricht")) ? QString() : out.text;
           })
        .has_value();
}

// Accessories 1..150: the read the programs' processor share is measured with.
constexpr int kProgramReadLast = 150;

// The shipped kx2ctl reading accessories 1..150 as a user types it, its progress lines into a
// file. Its processor seconds are those of the ended child (RUSAGE_CHILDREN; the simulator is
// still running then and does not count), its wall time from start to end, start-up included.
bool benchCtlReadAcc(const Options& o)
{
    SimProcess sim(o, QStringLiteral("read_ctl_acc"), {QStringLiteral("--seed-acc"), QStringLiteral("2048")});
    if (!sim.ready())
        return false;
    QProcess ctl;
    ctl.setProgram(o.ctlPath);
    ctl.setArguments({QStringLiteral("read"), QStringLiteral("acc"), QStringLiteral("--from"), QStringLiteral("1"),
                      QStringLiteral("--to"), QString::number(kProgramReadLast), QStringLiteral("--port"), sim.tty(),
                      QStringLiteral("--interface"), QStringLiteral("usb"), QStringLiteral("--baud"),
                      QStringLiteral("115200"), QStringLiteral("--sim-state"), sim.file(QStringLiteral("state")),
                      QStringLiteral("-o"), sim.file(QStringLiteral("x.isd"))});
    ctl.setStandardOutputFile(sim.file(QStringLiteral("ctl.log")));
    ctl.setStandardErrorFile(sim.file(QStringLiteral("ctl.log")), QIODevice::Append);
    const double cpu0 = rusageSeconds(RUSAGE_CHILDREN);
    QElapsedTimer timer;
    timer.start();
    ctl.start();
    const bool ended = ctl.waitForFinished(600000);
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = rusageSeconds(RUSAGE_CHILDREN) - cpu0;
    if (!ended || ctl.exitStatus() != QProcess::NormalExit || ctl.exitCode() != 0) {
        QFile log(sim.file(QStringLiteral("ctl.log")));
        log.open(QIODevice::ReadOnly);
        complain(QStringLiteral("read_ctl_acc: kx2ctl failed (%1): %2").arg(ctl.exitCode()).arg(QString::fromUtf8(log.readAll())));
        return false;
    }
    figure("read_ctl_acc_wall", wall, "s");
    figure("read_ctl_acc_cpu", cpu, "s");
    figure("read_ctl_acc_cpu_share", cpu / wall, "cpu/wall", 4);
    return true;
}

// --- c: building the editors' grids ----------------------------------------------------------

#ifdef KX2_BENCH_GUI
// Where the build put the symbol pictures.
QString symbolsFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/..");
}

// An editor's rebuild (activation with its grid-loaded flag at 0), offscreen: the first build
// reads the pictures from disk, later ones take them from the cache (median of --repeat).
void gridBuildFigures(const std::string& name, GridEditor& frm, PictureCache& pictures, const Options& o)
{
    frm.show();
    QElapsedTimer timer;
    frm.GridLoaded = 0;
    timer.start();
    frm.Form_Activate();
    const double cold = timer.nsecsElapsed() / 1e6;
    std::vector<double> warm;
    for (int r = 0; r < std::max(1, o.repeat); ++r) {
        frm.GridLoaded = 0;
        timer.restart();
        frm.Form_Activate();
        warm.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (pictures.filesRead() == 0)
        complain(QString::fromStdString(name) + QStringLiteral(": no symbol picture found under ") + symbolsFolder());
    figure(name.c_str(), cold, "ms", 1);
    figure((name + "_again").c_str(), median(warm), "ms", 1);
    figure((name + "_pictures_read").c_str(), pictures.filesRead(), "files", 0);
}

// LokdatenFrm's rebuild from a table of 500 locomotives, every function with a symbol picture,
// offscreen. The first build reads the pictures from disk; later ones take them from the cache.
bool benchGridBuild(const Options& o)
{
    kx2::test::SimRig rig;
    LocoTable& t = rig.ctx.loco;
    t.markAllForDeviceRead();
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            t.set(i, c, 0);
        t.setAddress(i, i + 1);
        t.WriteLokname(i, QStringLiteral("Lokomotive %1").arg(i));
        for (int f = 0; f < LocoTable::FunctionCount; ++f)
            t.set(i, LocoTable::symbolColumn(f), 1 + (i + f) % 79);
        t.set(i, LocoTable::MaxSpeedHalf, 60);
        t.setStatus(i, LocoTable::StatusUnchanged);
        t.set(i, LocoTable::FormatCode, 83);
        t.set(i, LocoTable::FormatParam, 81);
    }
    LokdatenFrm frm(rig.ctx.database, rig.ctx.locoData, symbolsFolder(),
                    editorDeviceMenuCaptions(QStringLiteral("ZP1"), EditorKind::Loco));
    gridBuildFigures("grid_build", frm, frm.pictures(), o);
    return true;
}

// The accessory and feedback editors' rebuilds over the full ranges, 2048 and 4096 lines, every
// record with a name and a symbol picture, measured as the locomotive grid.
bool benchRangeGridBuild(const Options& o)
{
    kx2::test::SimRig rig;
    const auto fill = [](RangeRecordTable& t, const QString& line1) {
        for (int a = 1; a <= t.maxAddress(); ++a) {
            t.blankRecord(a);
            t.saveNames(a, line1.arg(a), QStringLiteral("Bf Süd"));
            t.chooseSymbol(a, 1 + (a - 1) % RangeRecordTable::SymbolCount, 0);
            t.set(a, RangeRecordTable::Status, 0);
        }
    };
    fill(rig.ctx.accessories, QStringLiteral("Weiche %1"));
    for (int a = 1; a <= AccessoryTable::MaxAddress; ++a)
        rig.ctx.accessories.set(a, AccessoryTable::Format, a % 2 ? 15 : 143);
    fill(rig.ctx.feedback, QStringLiteral("Gleis %1"));
    rig.ctx.accessoryRange = {1, AccessoryTable::MaxAddress};
    rig.ctx.feedbackRange = {1, FeedbackTable::MaxAddress};

    MagDatenFrm mag(rig.ctx.database, rig.ctx.accessories, rig.ctx.accessoryRange, rig.ctx.MagGridLoaded,
                    symbolsFolder(), {});
    gridBuildFigures("grid_build_acc", mag, mag.pictures(), o);
    RMDatenFrm rm(rig.ctx.database, rig.ctx.feedback, rig.ctx.feedbackRange, rig.ctx.RmGridLoaded, symbolsFolder(), {});
    gridBuildFigures("grid_build_fb", rm, rm.pictures(), o);
    if (mag.grid()->Rows() != AccessoryTable::Rows || rm.grid()->Rows() != FeedbackTable::Rows) {
        complain(QStringLiteral("grid_build_range: %1 and %2 lines")
                     .arg(mag.grid()->Rows() - 1)
                     .arg(rm.grid()->Rows() - 1));
        return false;
    }
    return true;
}

// The windowed program reading accessories 1..150 the way its main window's "Mag.Art.daten"
// starts it: kx2tool's windows, dialogs, progress window and port stack built as its main()
// builds them, here offscreen, and the button clicked. The time runs from the click to the editor
// shown with its grid; the processor seconds are this process's (the simulator is another).
bool benchWindowReadAcc(const Options& o)
{
    SimProcess sim(o, QStringLiteral("read_window_acc"), {QStringLiteral("--seed-acc"), QStringLiteral("2048")});
    if (!sim.ready())
        return false;
    SystemClock clock;
    QtSerialComm1 serialPort;
    sim::PortSwitch port(serialPort, clock, QString());
    NoPortIo portIo;
    QtUserDialogs dialogs;
    QtFileDialog files;
    ComWin comWin;
    MainControlsRelay mainControls;
    AppContext ctx(Platform{clock, port, portIo, dialogs, files, comWin, mainControls});
    comWin.setDialogs(&dialogs);
    useTerminal(ctx.settings, sim.tty());
    QTemporaryDir settingsFolder;
    SettingsFile settingsFile(settingsFolder.path(), settingsFolder.path());
    MainWin win(ctx.settings, settingsFile, dialogs, symbolsFolder(), QStringLiteral("ZP1"));
    mainControls.target = &win;
    dialogs.setParent(&win);
    files.setParent(&win);
    AppWindows windows(ctx, win, symbolsFolder());
    win.ShowSettings();
    win.showRanges({1, kProgramReadLast}, {});
    win.show();
    // A message box would wait for a click that never comes: it is told and closed.
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            complain(QStringLiteral("read_window_acc: a box came up: ") + box->windowTitle());
            box->close();
        }
    });
    boxWatch.start(500);
    clock.yieldNow();

    const double cpu0 = rusageSeconds();
    QElapsedTimer timer;
    timer.start();
    win.findChild<QPushButton*>(QStringLiteral("MagDatenBut"))->click();
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = rusageSeconds() - cpu0;
    int read = 0;
    for (int a = 1; a <= kProgramReadLast; ++a)
        read += ctx.accessories.status(a) == 0 ? 1 : 0;
    if (read != kProgramReadLast || !windows.magDatenFrmCreated() || !windows.magDatenFrm().isVisible()) {
        complain(QStringLiteral("read_window_acc: %1 accessories read, editor %2")
                     .arg(read)
                     .arg(windows.magDatenFrmCreated() && windows.magDatenFrm().isVisible() ? "shown" : "not shown"));
        return false;
    }
    figure("read_window_acc_wall", wall, "s");
    figure("read_window_acc_cpu", cpu, "s");
    figure("read_window_acc_cpu_share", cpu / wall, "cpu/wall", 4);
    return true;
}
#else
bool benchWindowReadAcc(const Options&)
{
    figureText("read_window_acc", "n/a (built without windows)", "cpu/wall");
    return true;
}
bool benchGridBuild(const Options&)
{
    figureText("grid_build", "n/a (built without windows)", "ms");
    return true;
}
bool benchRangeGridBuild(const Options&)
{
    figureText("grid_build_acc", "n/a (built without windows)", "ms");
    return true;
}
#endif

// --- d: the locomotive table file --------------------------------------------------------

bool benchFiles(const Options& o)
{
    // A table as a read leaves it: 500 locomotives with their formats.
    test::SimRig rig;
    rig.station.seedLocomotives(500);
    if (rig.ctx.locoTransfer().ReadLocoDatabase().result != 0) {
        complain(QStringLiteral("file: the read that fills the table failed"));
        return false;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LOKDATEN.ISD"));
    const int runs = std::max(5, o.repeat);

    std::vector<double> saves;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QString error = locoTableFile(rig.ctx.loco, rig.ctx.storedSerial).saveTo(path);
        saves.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!error.isEmpty()) {
            complain(QStringLiteral("file_save: %1").arg(error));
            return false;
        }
    }
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const int lines = int(f.readAll().count('\n'));
    if (lines != LocoTableFileLines) {
        complain(QStringLiteral("file_save: %1 lines instead of %2").arg(lines).arg(LocoTableFileLines));
        return false;
    }

    std::vector<double> loads;
    for (int run = 0; run < runs; ++run) {
        LocoTable table;
        StoredSerial serial;
        QElapsedTimer timer;
        timer.start();
        const IsdLoadResult r = loadLocoTableFile(path, table, serial);
        loads.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!r.ok() || usedSlots(table) != 500) {
            complain(QStringLiteral("file_load: %1").arg(r.detail));
            return false;
        }
    }
    figure("file_lines", lines, "lines", 0);
    figure("file_save", median(saves), "ms", 1);
    figure("file_load", median(loads), "ms", 1);
    return true;
}

struct Benchmark {
    const char* name;
    const char* what;
    std::function<bool(const Options&)> run;
};

const std::vector<Benchmark>& benchmarks()
{
    static const std::vector<Benchmark> list = {
        {"read_sim", "full read of 500 locomotives, in-process simulator, virtual time", benchReadSim},
        {"read_wire", "read of 20 locomotives over a pseudo-terminal at 16 666 baud", benchReadWire},
        {"read_wire_busy", "the same read with another device's message on the bus every 20 ms", benchReadWireBusy},
        {"read_wire_acc", "read of all 2048 accessories over a pseudo-terminal at 16 666 baud (minutes)", benchReadWireAccessories},
        {"read_wire_routes", "read of all 80 routes over a pseudo-terminal at 16 666 baud", benchReadWireRoutes},
        {"read_wire_latency", "read_wire three times: plain, behind a 16 ms and a 1 ms USB latency timer", benchReadWireLatency},
        {"backup_wire", "whole-station backup of a typical layout, full and quick, and its quick restore onto the "
                        "unchanged station, at 16 666 baud (about 20 minutes)", benchBackupWire},
        {"read_ctl_acc", "kx2ctl read acc --from 1 --to 150 over a pseudo-terminal at 16 666 baud", benchCtlReadAcc},
        {"read_window_acc", "the same read started from kx2tool's main window, offscreen", benchWindowReadAcc},
        {"grid_build", "locomotive editor grid of 500 locomotives with symbol pictures", benchGridBuild},
        {"grid_build_range", "accessory and feedback editor grids of 2048 and 4096 records with symbol pictures",
         benchRangeGridBuild},
        {"file", "save and load of the locomotive table file", benchFiles},
    };
    return list;
}

} // namespace

int main(int argc, char** argv)
{
    // The grid is built offscreen: no display needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchApp app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Speed figures of kx2tool's transfer and file code."));
    p.addHelpOption();
    const QCommandLineOption only(QStringLiteral("only"), QStringLiteral("Run only this benchmark (repeatable)."),
                                  QStringLiteral("name"));
    const QCommandLineOption list(QStringLiteral("list"), QStringLiteral("List the benchmarks."));
    const QCommandLineOption ctl(QStringLiteral("ctl"), QStringLiteral("kx2ctl to run the simulator with."),
                                 QStringLiteral("path"), QStringLiteral(KX2_CTL_PATH));
    const QCommandLineOption repeat(QStringLiteral("repeat"), QStringLiteral("Runs of the in-process benchmarks."),
                                    QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption seed(QStringLiteral("wire-seed"), QStringLiteral("Locomotives in the wire benchmark."),
                                  QStringLiteral("n"), QStringLiteral("20"));
    p.addOptions({only, list, ctl, repeat, seed});
    p.process(app);

    if (p.isSet(list)) {
        for (const Benchmark& b : benchmarks())
            std::printf("%-18s %s\n", b.name, b.what);
        return 0;
    }
    Options o;
    o.ctlPath = p.value(ctl);
    o.repeat = std::max(1, p.value(repeat).toInt());
    o.wireSeed = std::clamp(p.value(seed).toInt(), 1, 500);
    const QStringList wanted = p.values(only);
    for (const QString& w : wanted) {
        const bool known = std::any_of(benchmarks().begin(), benchmarks().end(),
                                       [&](const Benchmark& b) { return w == QLatin1String(b.name); });
        if (!known) {
            complain(QStringLiteral("unknown benchmark %1 (--list)").arg(w));
            return 2;
        }
    }

    figure("cores", QThread::idealThreadCount(), "cores", 0);
    bool ok = true;
    for (const Benchmark& b : benchmarks()) {
        if (!wanted.isEmpty() && !wanted.contains(QLatin1String(b.name)))
            continue;
        ok = b.run(o) && ok;
    }
    return ok ? 0 : 1;
}
