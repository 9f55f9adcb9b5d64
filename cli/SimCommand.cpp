#include "cli/Commands.h"
#include "cli/GermanHelp.h"

#include "link/Clock.h"
#include "shell/ExactNumber.h"
#include "sim/PreciseClock.h"
#include "sim/LbServer.h"
#include "sim/PtyServer.h"
#include "sim/SimBus.h"
#include "sim/SimCommandStation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <QTimer>

#include <csignal>

// kx2ctl sim: the simulated command station on a pseudo-terminal, for the real serial path, and/or
// to LocoNet-over-TCP clients.
namespace kx2::cli {

namespace {

// Set by SIGINT or SIGTERM; nothing else is safe inside a signal handler. The event loop looks
// at it a few times a second and ends the serving.
volatile std::sig_atomic_t g_stopRequested = 0;

void onSignal(int)
{
    g_stopRequested = 1;
}

// How often the event loop looks whether a stop was asked for.
constexpr int kStopLookMs = 100;

// Ends the serving when the simulated interface vanishes (the unplug fault).
class VanishWatch : public sim::SimBus::Endpoint {
public:
    void busReceive(const QByteArray&) override {}
    void busVanished() override { QCoreApplication::exit(0); }
};

// Counts, addresses and milliseconds are whole decimal numbers; codes of the protocol may also
// be written as bytes (0x42).
enum class Digits { Decimal, DecimalOrHex };

bool parseInt(const QString& text, int& out, int min, int max, Digits digits = Digits::Decimal)
{
    const std::optional<long long> v = digits == Digits::DecimalOrHex ? WholeNumberOrHex(text) : WholeNumber(text);
    if (!v || *v < min || *v > max)
        return false;
    out = int(*v);
    return true;
}

// Seconds, with a decimal point for fractions.
constexpr double kMaxSeconds = 3600;

bool parseSeconds(const QString& text, double& out)
{
    const std::optional<double> v = DecimalNumber(text);
    if (!v || *v > kMaxSeconds)
        return false;
    out = *v;
    return true;
}

} // namespace

int runSim(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser p;
    p.setApplicationDescription(QCoreApplication::translate(
        "SimCommand",
        "Betreibt die simulierte Zentrale an einem Pseudo-Terminal und/oder als LbServer für LocoNet über TCP, "
        "bis SIGINT oder SIGTERM kommt."));
    addGermanHelpOption(p);
    const QCommandLineOption pty(QStringLiteral("pty"),
                                 QCoreApplication::translate("SimCommand", "Link auf das Pseudo-Terminal anlegen"),
                                 QCoreApplication::translate("SimCommand", "PFAD"));
    const QCommandLineOption lbserver(
        QStringLiteral("lbserver"),
        QCoreApplication::translate(
            "SimCommand",
            "LocoNet über TCP (LbServer-Protokoll) auf 127.0.0.1:PORT anbieten, mehrere Verbindungen zugleich; 0 wählt einen freien Port"),
        QCoreApplication::translate("SimCommand", "PORT"));
    const QCommandLineOption state(
        QStringLiteral("state"),
        QCoreApplication::translate("SimCommand", "Speicher der Zentrale in dieser Datei halten"),
        QCoreApplication::translate("SimCommand", "DATEI"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QCoreApplication::translate("SimCommand", "N gültige Lokdatensätze anlegen (0..500)"),
                                  QStringLiteral("N"));
    const QCommandLineOption seedAcc(
        QStringLiteral("seed-acc"),
        QCoreApplication::translate("SimCommand",
                                    "Magnetartikel 1..N mit Namen, Symbol und Datenformat anlegen (0..2048)"),
        QStringLiteral("N"));
    const QCommandLineOption seedFb(
        QStringLiteral("seed-fb"),
        QCoreApplication::translate("SimCommand", "Rückmelder 1..N mit Namen und Symbol anlegen (0..4096)"),
        QStringLiteral("N"));
    const QCommandLineOption seedRoutes(
        QStringLiteral("seed-routes"),
        QCoreApplication::translate("SimCommand",
                                    "Fahrstraßen 1..N mit Namen, Start und Befehlen aller Arten anlegen (0..80)"),
        QStringLiteral("N"));
    const QCommandLineOption moduleAbsent(
        QStringLiteral("module-absent"),
        QCoreApplication::translate("SimCommand", "das Fahrstraßenmodul antwortet auf nichts"));
    const QCommandLineOption moduleRefuses(
        QStringLiteral("module-refuses"),
        QCoreApplication::translate("SimCommand", "das Fahrstraßenmodul lehnt den Programmiermodus ab"));
    const QCommandLineOption moduleNoAnswer(
        QStringLiteral("module-no-answer-every"),
        QCoreApplication::translate("SimCommand", "jede N-te Antwort des Fahrstraßenmoduls geht verloren"),
        QStringLiteral("N"));
    const QCommandLineOption moduleDelay(
        QStringLiteral("module-answer-delay"),
        QCoreApplication::translate("SimCommand", "Sekunden vor jeder Antwort des Fahrstraßenmoduls"),
        QStringLiteral("S"));
    const QCommandLineOption moduleAddress(
        QStringLiteral("module-address"),
        QCoreApplication::translate("SimCommand", "Moduladresse des Fahrstraßenmoduls (Standard 456)"),
        QStringLiteral("N"));
    const QCommandLineOption pace(
        QStringLiteral("baud-pace"),
        QCoreApplication::translate("SimCommand", "jedes Byte frühestens nach seiner Zeit auf der Leitung liefern"),
        QCoreApplication::translate("SimCommand", "BAUD"));
    const QCommandLineOption latencyTimer(
        QStringLiteral("latency-timer"),
        QCoreApplication::translate(
            "SimCommand",
            "Bytes zum Programm wie ein USB-Interface mit diesem Latenz-Timer zurückhalten: geliefert wird, sobald 62 "
            "Bytes (ein USB-Paket) beisammen sind oder MS Millisekunden (1..255) seit dem ersten wartenden Byte "
            "vergangen sind (nur --pty)"),
        QCoreApplication::translate("SimCommand", "MS"));
    const QCommandLineOption serial(
        QStringLiteral("serial"), QCoreApplication::translate("SimCommand", "Seriennummer (1200000000 bis 1204194303)"),
        QCoreApplication::translate("SimCommand", "NUMMER"));
    const QCommandLineOption handle(
        QStringLiteral("handle"),
        QCoreApplication::translate("SimCommand", "Quittungscode von Schritt 2 (Standard 0x42)"), QStringLiteral("N"));
    const QCommandLineOption bootAck(
        QStringLiteral("boot-ack"),
        QCoreApplication::translate("SimCommand", "Quittungscode von Schritt 1: 0x7F, 0x01 oder ein ablehnender"),
        QStringLiteral("N"));
    const QCommandLineOption readyDelay(QStringLiteral("ready-delay"),
                                        QCoreApplication::translate("SimCommand", "Sekunden bis zur Bereitmeldung"),
                                        QStringLiteral("S"));
    const QCommandLineOption noAnswer(QStringLiteral("no-answer-every"),
                                      QCoreApplication::translate("SimCommand", "jede N-te Anfrage geht verloren"),
                                      QStringLiteral("N"));
    const QCommandLineOption refusePages(QStringLiteral("refuse-page-writes"),
                                         QCoreApplication::translate("SimCommand", "Seiten schreiben ablehnen"));
    const QCommandLineOption refuseFormats(
        QStringLiteral("refuse-format-writes"),
        QCoreApplication::translate("SimCommand", "Datenformate schreiben ablehnen"));
    const QCommandLineOption refuseClose(
        QStringLiteral("refuse-close"),
        QCoreApplication::translate("SimCommand", "das Beenden des Datenbankzugriffs ablehnen (er bleibt offen)"));
    const QCommandLineOption refusedCode(
        QStringLiteral("refused-code"),
        QCoreApplication::translate("SimCommand", "Quittungscode einer Ablehnung (Standard 0)"), QStringLiteral("N"));
    const QCommandLineOption noReady(QStringLiteral("no-ready"),
                                     QCoreApplication::translate("SimCommand", "die Bereitmeldung kommt nie"));
    const QCommandLineOption answerDelay(QStringLiteral("answer-delay"),
                                         QCoreApplication::translate("SimCommand", "Sekunden vor jeder Antwort"),
                                         QStringLiteral("S"));
    const QCommandLineOption stray(QStringLiteral("stray-bytes"),
                                   QCoreApplication::translate("SimCommand", "Streubytes vor jeder Antwort"));
    const QCommandLineOption chatter(
        QStringLiteral("chatter"),
        QCoreApplication::translate(
            "SimCommand",
            "andere Geräte senden alle MS Millisekunden eine Nachricht (Rückmelder, Weichen, Fahrregler, Slotdaten)"),
        QCoreApplication::translate("SimCommand", "MS"));
    const QCommandLineOption burst(
        QStringLiteral("ack-ready-burst"),
        QCoreApplication::translate("SimCommand", "Quittung und Bereitmeldung in einem Stück"));
    const QCommandLineOption corrupt(
        QStringLiteral("corrupt-writes-every"),
        QCoreApplication::translate(
            "SimCommand",
            "jede N-te geschriebene Datenseite wird mit einem veränderten Byte gespeichert (Byte 5: im Namen)"),
        QStringLiteral("N"));
    const QCommandLineOption corruptByte(
        QStringLiteral("corrupt-byte"),
        QCoreApplication::translate(
            "SimCommand", "welches Byte einer Datenseite --corrupt-writes-every verändert (0..15, Standard 5)"),
        QStringLiteral("K"));
    const QCommandLineOption garble(
        QStringLiteral("garble-every"),
        QCoreApplication::translate(
            "SimCommand",
            "jede N-te Antwort (der Zentrale wie des Fahrstraßenmoduls) kommt mit einem veränderten Bit an, die Prüfsumme stimmt dann nicht"),
        QStringLiteral("N"));
    const QCommandLineOption moduleCorrupt(
        QStringLiteral("module-corrupt-every"),
        QCoreApplication::translate(
            "SimCommand",
            "jede N-te geschriebene Variable speichert das Fahrstraßenmodul um 10 zu hoch (den nächsten Magnetartikel oder Rückmelder)"),
        QStringLiteral("N"));
    const QCommandLineOption unplug(
        QStringLiteral("unplug-after"),
        QCoreApplication::translate("SimCommand", "Schnittstelle verschwindet nach N Anfragen"), QStringLiteral("N"));
    const QCommandLineOption verbose(
        QStringLiteral("verbose"),
        QCoreApplication::translate("SimCommand", "Ereignisse und Verstöße auf stderr melden"));
    p.addOptions({pty, lbserver, state, seed, seedAcc, seedFb, seedRoutes, moduleAbsent, moduleRefuses, moduleNoAnswer,
                  moduleDelay, moduleAddress, pace, latencyTimer, serial, handle, bootAck, readyDelay, noAnswer, refusePages,
                  refuseFormats, refuseClose, refusedCode, noReady, answerDelay, stray, chatter, burst, unplug, corrupt, corruptByte, garble,
                  moduleCorrupt, verbose});

    if (!p.parse(QStringList{QStringLiteral("kx2ctl sim")} + args)) {
        err << germanParseError(p) << "\n"
            << QCoreApplication::translate("SimCommand", "kx2ctl sim --help zeigt die Optionen.\n");
        return 2;
    }
    if (p.isSet(QStringLiteral("help"))) {
        out << germanHelpText(
            p, QCoreApplication::translate("SimCommand", "kx2ctl sim --pty PFAD | --lbserver PORT [Optionen]"));
        return 0;
    }
    if (!p.isSet(pty) && !p.isSet(lbserver)) {
        err << QCoreApplication::translate("SimCommand", "kx2ctl sim: --pty PFAD oder --lbserver PORT fehlt\n");
        return 2;
    }

    sim::SimStationConfig config;
    sim::SimFaults faults;
    int seedCount = 0;
    int seedAccCount = 0;
    int seedFbCount = 0;
    int seedRoutesCount = 0;
    int baud = 0;
    int lbPort = 0;
    int chatterMs = 0;
    int latencyMs = 0;
    bool ok = true;
    auto bad = [&](const QCommandLineOption& o, const QString& expected) {
        err << "kx2ctl sim: " << badOptionValue(o.names().first(), p.value(o), expected) << "\n";
        ok = false;
    };
    const struct {
        const QCommandLineOption& option;
        int& value;
        int min, max;
        Digits digits;
    } wholes[] = {
        {lbserver, lbPort, 0, 65535, Digits::Decimal},
        {seed, seedCount, 0, 500, Digits::Decimal},
        {seedAcc, seedAccCount, 0, 2048, Digits::Decimal},
        {seedFb, seedFbCount, 0, 4096, Digits::Decimal},
        {seedRoutes, seedRoutesCount, 0, 80, Digits::Decimal},
        {moduleNoAnswer, faults.routeModule.loseAnswerEvery, 1, 1000000, Digits::Decimal},
        // 65535 stands for "any module" in programming-on and cannot be a module's own address.
        {moduleAddress, config.routeModuleAddress, 0, 65534, Digits::Decimal},
        {pace, baud, 1, 10000000, Digits::Decimal},
        // The range an FTDI chip's latency timer takes.
        {latencyTimer, latencyMs, 1, 255, Digits::Decimal},
        {handle, config.handle, 0, 0x7F, Digits::DecimalOrHex},
        {bootAck, config.bootAckCode, 0, 0x7F, Digits::DecimalOrHex},
        {noAnswer, faults.noAnswerEvery, 1, 1000000, Digits::Decimal},
        {refusedCode, faults.refusedCode, 0, 0x7E, Digits::DecimalOrHex},
        {chatter, chatterMs, 1, 3600000, Digits::Decimal},
        {unplug, faults.unplugAfterMessages, 1, 100000000, Digits::Decimal},
        {corrupt, faults.corruptWritesEvery, 1, 100000000, Digits::Decimal},
        {corruptByte, faults.corruptByte, 0, 15, Digits::Decimal},
        {garble, faults.garbleEvery, 1, 100000000, Digits::Decimal},
        {moduleCorrupt, faults.routeModule.corruptWritesEvery, 1, 100000000, Digits::Decimal},
    };
    for (const auto& w : wholes)
        if (p.isSet(w.option) && !parseInt(p.value(w.option), w.value, w.min, w.max, w.digits))
            bad(w.option,
                wholeNumberFromTo(w.min, w.max)
                    + (w.digits == Digits::DecimalOrHex ? QCoreApplication::translate("SimCommand", ", auch als 0x..")
                                                        : QString()));
    const struct {
        const QCommandLineOption& option;
        double& value;
    } seconds[] = {{moduleDelay, faults.routeModule.answerDelay}, {readyDelay, config.readyDelay}, {answerDelay, faults.answerDelay}};
    for (const auto& d : seconds)
        if (p.isSet(d.option) && !parseSeconds(p.value(d.option), d.value))
            bad(d.option,
                QCoreApplication::translate("SimCommand", "Sekunden von 0 bis %1, Bruchteile mit Dezimalpunkt")
                    .arg(kMaxSeconds));
    if (p.isSet(serial)) {
        constexpr long long kFirstSerial = 1200000000LL;
        constexpr long long kLastSerial = kFirstSerial + 0x3FFFFF;
        const std::optional<long long> n = WholeNumber(p.value(serial));
        if (!n || *n < kFirstSerial || *n > kLastSerial)
            bad(serial, wholeNumberFromTo(kFirstSerial, kLastSerial));
        else
            config.serial = sim::SimCommandStation::serialBytesFor(unsigned(*n));
    }
    faults.chatterInterval = chatterMs / 1000.0;
    faults.routeModule.garbleEvery = faults.garbleEvery;
    faults.routeModule.absent = p.isSet(moduleAbsent);
    faults.routeModule.refuseProgramming = p.isSet(moduleRefuses);
    if (!ok)
        return 2;
    faults.refusePageWrites = p.isSet(refusePages);
    faults.refuseFormatWrites = p.isSet(refuseFormats);
    faults.refuseClose = p.isSet(refuseClose);
    faults.readyNeverComes = p.isSet(noReady);
    faults.strayBytes = p.isSet(stray);
    faults.ackAndReadyInOneWrite = p.isSet(burst);
    config.statePath = p.value(state);

    // Byte pacing needs timers finer than a millisecond (a byte takes 0.6 ms at 16 666 baud).
    sim::PreciseClock clock;
    sim::SimBus bus(clock);
    bus.setBaudPace(baud);
    sim::SimCommandStation station(bus, config, faults);
    if (p.isSet(verbose))
        station.setLog([&err](const QString& line) {
            err << line << "\n";
            err.flush();
        });
    if (seedCount > 0)
        station.seedLocomotives(seedCount);
    if (seedAccCount > 0)
        station.seedAccessories(seedAccCount);
    if (seedFbCount > 0)
        station.seedFeedback(seedFbCount);
    if (seedRoutesCount > 0)
        station.seedRoutes(seedRoutesCount);
    VanishWatch watch;
    bus.attach(&watch);

    sim::PtyServer server(bus);
    if (p.isSet(pty)) {
        if (!server.start()) {
            err << QCoreApplication::translate("SimCommand", "kx2ctl sim: Pseudo-Terminal nicht anlegbar: ")
                << server.errorText() << "\n";
            return 1;
        }
        server.setLatencyTimer(latencyMs / 1000.0);
        if (!server.linkTo(p.value(pty))) {
            err << QCoreApplication::translate("SimCommand", "kx2ctl sim: Link ") << p.value(pty)
                << QCoreApplication::translate("SimCommand", " nicht anlegbar: ") << server.errorText() << "\n";
            return 1;
        }
    }
    sim::LbServer lb(bus);
    if (p.isSet(lbserver) && !lb.listen(quint16(lbPort))) {
        err << QCoreApplication::translate("SimCommand", "kx2ctl sim: Port ") << lbPort
            << QCoreApplication::translate("SimCommand", " nicht nutzbar: ") << lb.errorText() << "\n";
        return 1;
    }

    g_stopRequested = 0;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QTimer stopLook;
    QObject::connect(&stopLook, &QTimer::timeout, [] {
        if (g_stopRequested)
            QCoreApplication::exit(0);
    });
    stopLook.start(kStopLookMs);

    // What a client opens, one per line on stdout: the terminal, the network port.
    if (p.isSet(pty))
        out << server.deviceName() << "\n";
    if (p.isSet(lbserver))
        out << "tcp:127.0.0.1:" << lb.port() << "\n";
    out.flush();
    err << QCoreApplication::translate("SimCommand", "Simulierte Zentrale");
    if (p.isSet(pty))
        err << QCoreApplication::translate("SimCommand", " an ") << server.deviceName() << " (" << p.value(pty) << ")";
    if (p.isSet(lbserver))
        err << QCoreApplication::translate("SimCommand", " an tcp:127.0.0.1:") << lb.port();
    err << QCoreApplication::translate("SimCommand", ", Seriennummer ")
        << QString::number(station.serialNumber(), 'f', 0) << "\n";
    err.flush();

    const int rc = QCoreApplication::exec();

    bus.detach(&watch);
    station.saveState();
    server.stop();
    lb.close();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    if (station.violations() > 0)
        err << QCoreApplication::translate("SimCommand", "Protokollverstöße: ") << station.violations() << "\n";
    return rc;
}

} // namespace kx2::cli
