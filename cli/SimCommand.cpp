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
#include <variant>

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
    const std::optional<long long> v = digits == Digits::DecimalOrHex ? wholeNumberOrHex(text) : wholeNumber(text);
    if (!v || *v < min || *v > max)
        return false;
    out = int(*v);
    return true;
}

// Seconds, with a decimal point for fractions.
constexpr double kMaxSeconds = 3600;

bool parseSeconds(const QString& text, double& out)
{
    const std::optional<double> v = decimalNumber(text);
    if (!v || *v > kMaxSeconds)
        return false;
    out = *v;
    return true;
}

// Everything the options set: the station's configuration and faults, and how it is served.
struct SimSetup {
    sim::SimStationConfig config;
    sim::SimFaults faults;
    QString ptyPath;
    int lbPort = 0;
    int seedLocos = 0;
    int seedAccessories = 0;
    int seedFeedback = 0;
    int seedRoutes = 0;
    int baud = 0;
    int latencyMs = 0;
    int serialNumber = 0;
    int chatterMs = 0;
    bool verbose = false;
};

template <typename T>
using SetupField = T& (*)(SimSetup&);

// One option: its name, its words in the help (translated in context "SimCommand"), the name of
// its value (none for a switch, which sets its field to true), the field its value goes to, and for
// whole numbers the range they take.
struct SimOption {
    const char* name;
    const char* words;
    const char* valueName;
    std::variant<SetupField<bool>, SetupField<QString>, SetupField<int>, SetupField<double>> field;
    long long min = 0;
    long long max = 0;
    Digits digits = Digits::Decimal;
};

// The first and the last serial number the command station's four bytes hold.
constexpr long long kFirstSerial = 1200000000LL;
constexpr long long kLastSerial = kFirstSerial + 0x3FFFFF;

// The options in the order of the help. Single-letter value names (N, S, K) are the same in every
// language and are not offered for translation.
const SimOption kSimOptions[] = {
    {"pty", QT_TRANSLATE_NOOP("SimCommand", "Link auf das Pseudo-Terminal anlegen"), QT_TRANSLATE_NOOP("SimCommand", "PFAD"),
     +[](SimSetup& s) -> auto& { return s.ptyPath; }},
    {"lbserver",
     QT_TRANSLATE_NOOP("SimCommand",
                       "LocoNet über TCP (LbServer-Protokoll) auf 127.0.0.1:PORT anbieten, mehrere Verbindungen zugleich; 0 wählt einen freien Port"),
     QT_TRANSLATE_NOOP("SimCommand", "PORT"), +[](SimSetup& s) -> auto& { return s.lbPort; }, 0, 65535},
    {"state", QT_TRANSLATE_NOOP("SimCommand", "Speicher der Zentrale in dieser Datei halten"),
     QT_TRANSLATE_NOOP("SimCommand", "DATEI"), +[](SimSetup& s) -> auto& { return s.config.statePath; }},
    {"seed", QT_TRANSLATE_NOOP("SimCommand", "N gültige Lokdatensätze anlegen (0..500)"), "N",
     +[](SimSetup& s) -> auto& { return s.seedLocos; }, 0, 500},
    {"seed-acc", QT_TRANSLATE_NOOP("SimCommand", "Magnetartikel 1..N mit Namen, Symbol und Datenformat anlegen (0..2048)"), "N",
     +[](SimSetup& s) -> auto& { return s.seedAccessories; }, 0, 2048},
    {"seed-fb", QT_TRANSLATE_NOOP("SimCommand", "Rückmelder 1..N mit Namen und Symbol anlegen (0..4096)"), "N",
     +[](SimSetup& s) -> auto& { return s.seedFeedback; }, 0, 4096},
    {"seed-routes", QT_TRANSLATE_NOOP("SimCommand", "Fahrstraßen 1..N mit Namen, Start und Befehlen aller Arten anlegen (0..80)"),
     "N", +[](SimSetup& s) -> auto& { return s.seedRoutes; }, 0, 80},
    {"module-absent", QT_TRANSLATE_NOOP("SimCommand", "das Fahrstraßenmodul antwortet auf nichts"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.routeModule.absent; }},
    {"module-refuses", QT_TRANSLATE_NOOP("SimCommand", "das Fahrstraßenmodul lehnt den Programmiermodus ab"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.routeModule.refuseProgramming; }},
    {"module-no-answer-every", QT_TRANSLATE_NOOP("SimCommand", "jede N-te Antwort des Fahrstraßenmoduls geht verloren"), "N",
     +[](SimSetup& s) -> auto& { return s.faults.routeModule.loseAnswerEvery; }, 1, 1000000},
    {"module-answer-delay", QT_TRANSLATE_NOOP("SimCommand", "Sekunden vor jeder Antwort des Fahrstraßenmoduls"), "S",
     +[](SimSetup& s) -> auto& { return s.faults.routeModule.answerDelay; }},
    // 65535 stands for "any module" in programming-on and cannot be a module's own address.
    {"module-address", QT_TRANSLATE_NOOP("SimCommand", "Moduladresse des Fahrstraßenmoduls (Standard 456)"), "N",
     +[](SimSetup& s) -> auto& { return s.config.routeModuleAddress; }, 0, 65534},
    {"baud-pace", QT_TRANSLATE_NOOP("SimCommand", "jedes Byte frühestens nach seiner Zeit auf der Leitung liefern"),
     QT_TRANSLATE_NOOP("SimCommand", "BAUD"), +[](SimSetup& s) -> auto& { return s.baud; }, 1, 10000000},
    // The range an FTDI chip's latency timer takes.
    {"latency-timer",
     QT_TRANSLATE_NOOP("SimCommand",
                       "Bytes zum Programm wie ein USB-Interface mit diesem Latenz-Timer zurückhalten: geliefert wird, sobald 62 "
                       "Bytes (ein USB-Paket) beisammen sind oder MS Millisekunden (1..255) seit dem ersten wartenden Byte "
                       "vergangen sind (nur --pty)"),
     QT_TRANSLATE_NOOP("SimCommand", "MS"), +[](SimSetup& s) -> auto& { return s.latencyMs; }, 1, 255},
    {"serial", QT_TRANSLATE_NOOP("SimCommand", "Seriennummer (1200000000 bis 1204194303)"),
     QT_TRANSLATE_NOOP("SimCommand", "NUMMER"), +[](SimSetup& s) -> auto& { return s.serialNumber; }, kFirstSerial,
     kLastSerial},
    {"handle", QT_TRANSLATE_NOOP("SimCommand", "Quittungscode von Schritt 2 (Standard 0x42)"), "N",
     +[](SimSetup& s) -> auto& { return s.config.handle; }, 0, 0x7F, Digits::DecimalOrHex},
    {"boot-ack", QT_TRANSLATE_NOOP("SimCommand", "Quittungscode von Schritt 1: 0x7F, 0x01 oder ein ablehnender"), "N",
     +[](SimSetup& s) -> auto& { return s.config.bootAckCode; }, 0, 0x7F, Digits::DecimalOrHex},
    {"ready-delay", QT_TRANSLATE_NOOP("SimCommand", "Sekunden bis zur Bereitmeldung"), "S",
     +[](SimSetup& s) -> auto& { return s.config.readyDelay; }},
    {"no-answer-every", QT_TRANSLATE_NOOP("SimCommand", "jede N-te Anfrage geht verloren"), "N",
     +[](SimSetup& s) -> auto& { return s.faults.noAnswerEvery; }, 1, 1000000},
    {"refuse-page-writes", QT_TRANSLATE_NOOP("SimCommand", "Seiten schreiben ablehnen"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.refusePageWrites; }},
    {"refuse-format-writes", QT_TRANSLATE_NOOP("SimCommand", "Datenformate schreiben ablehnen"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.refuseFormatWrites; }},
    {"refuse-close", QT_TRANSLATE_NOOP("SimCommand", "das Beenden des Datenbankzugriffs ablehnen (er bleibt offen)"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.refuseClose; }},
    {"refused-code", QT_TRANSLATE_NOOP("SimCommand", "Quittungscode einer Ablehnung (Standard 0)"), "N",
     +[](SimSetup& s) -> auto& { return s.faults.refusedCode; }, 0, 0x7E, Digits::DecimalOrHex},
    {"no-ready", QT_TRANSLATE_NOOP("SimCommand", "die Bereitmeldung kommt nie"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.readyNeverComes; }},
    {"answer-delay", QT_TRANSLATE_NOOP("SimCommand", "Sekunden vor jeder Antwort"), "S",
     +[](SimSetup& s) -> auto& { return s.faults.answerDelay; }},
    {"stray-bytes", QT_TRANSLATE_NOOP("SimCommand", "Streubytes vor jeder Antwort"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.strayBytes; }},
    {"chatter",
     QT_TRANSLATE_NOOP("SimCommand",
                       "andere Geräte senden alle MS Millisekunden eine Nachricht (Rückmelder, Weichen, Fahrregler, Slotdaten)"),
     QT_TRANSLATE_NOOP("SimCommand", "MS"), +[](SimSetup& s) -> auto& { return s.chatterMs; }, 1, 3600000},
    {"ack-ready-burst", QT_TRANSLATE_NOOP("SimCommand", "Quittung und Bereitmeldung in einem Stück"), nullptr,
     +[](SimSetup& s) -> auto& { return s.faults.ackAndReadyInOneWrite; }},
    {"unplug-after", QT_TRANSLATE_NOOP("SimCommand", "Schnittstelle verschwindet nach N Anfragen"), "N",
     +[](SimSetup& s) -> auto& { return s.faults.unplugAfterMessages; }, 1, 100000000},
    {"corrupt-writes-every",
     QT_TRANSLATE_NOOP("SimCommand",
                       "jede N-te geschriebene Datenseite wird mit einem veränderten Byte gespeichert (Byte 5: im Namen)"),
     "N", +[](SimSetup& s) -> auto& { return s.faults.corruptWritesEvery; }, 1, 100000000},
    {"corrupt-byte",
     QT_TRANSLATE_NOOP("SimCommand", "welches Byte einer Datenseite --corrupt-writes-every verändert (0..15, Standard 5)"),
     "K", +[](SimSetup& s) -> auto& { return s.faults.corruptByte; }, 0, 15},
    {"garble-every",
     QT_TRANSLATE_NOOP("SimCommand",
                       "jede N-te Antwort (der Zentrale wie des Fahrstraßenmoduls) kommt mit einem veränderten Bit an, die Prüfsumme stimmt dann nicht"),
     "N", +[](SimSetup& s) -> auto& { return s.faults.garbleEvery; }, 1, 100000000},
    {"module-corrupt-every",
     QT_TRANSLATE_NOOP("SimCommand",
                       "jede N-te geschriebene Variable speichert das Fahrstraßenmodul um 10 zu hoch (den nächsten Magnetartikel oder Rückmelder)"),
     "N", +[](SimSetup& s) -> auto& { return s.faults.routeModule.corruptWritesEvery; }, 1, 100000000},
    {"verbose", QT_TRANSLATE_NOOP("SimCommand", "Ereignisse und Verstöße auf stderr melden"), nullptr,
     +[](SimSetup& s) -> auto& { return s.verbose; }},
};

// The words of a row, marked for translation in the table.
QString simWords(const char* text)
{
    return QCoreApplication::translate("SimCommand", text);
}

// Takes the value of one option that was given into its field; a refused value gives what the
// option takes, in words.
std::optional<QString> applyOption(const SimOption& o, const QString& value, SimSetup& setup)
{
    if (auto* flag = std::get_if<SetupField<bool>>(&o.field)) {
        (*flag)(setup) = true;
    } else if (auto* text = std::get_if<SetupField<QString>>(&o.field)) {
        (*text)(setup) = value;
    } else if (auto* seconds = std::get_if<SetupField<double>>(&o.field)) {
        if (!parseSeconds(value, (*seconds)(setup)))
            return QCoreApplication::translate("SimCommand", "Sekunden von 0 bis %1, Bruchteile mit Dezimalpunkt")
                .arg(kMaxSeconds);
    } else if (int& whole = (*std::get_if<SetupField<int>>(&o.field))(setup);
               !parseInt(value, whole, int(o.min), int(o.max), o.digits)) {
        return wholeNumberFromTo(o.min, o.max)
            + (o.digits == Digits::DecimalOrHex ? QCoreApplication::translate("SimCommand", ", auch als 0x..") : QString());
    }
    return std::nullopt;
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
    for (const SimOption& o : kSimOptions) {
        const QString name = QString::fromLatin1(o.name);
        p.addOption(o.valueName ? QCommandLineOption(name, simWords(o.words), simWords(o.valueName))
                                : QCommandLineOption(name, simWords(o.words)));
    }

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
    const bool onPty = p.isSet(QStringLiteral("pty"));
    const bool onTcp = p.isSet(QStringLiteral("lbserver"));
    if (!onPty && !onTcp) {
        err << QCoreApplication::translate("SimCommand", "kx2ctl sim: --pty PFAD oder --lbserver PORT fehlt\n");
        return 2;
    }

    SimSetup setup;
    bool ok = true;
    for (const SimOption& o : kSimOptions) {
        const QString name = QString::fromLatin1(o.name);
        if (!p.isSet(name))
            continue;
        if (const std::optional<QString> expected = applyOption(o, p.value(name), setup)) {
            err << "kx2ctl sim: " << badOptionValue(name, p.value(name), *expected) << "\n";
            ok = false;
        }
    }
    if (!ok)
        return 2;
    sim::SimStationConfig& config = setup.config;
    sim::SimFaults& faults = setup.faults;
    if (setup.serialNumber != 0)
        config.serial = sim::SimCommandStation::serialBytesFor(unsigned(setup.serialNumber));
    faults.chatterInterval = setup.chatterMs / 1000.0;
    faults.routeModule.garbleEvery = faults.garbleEvery;

    // Byte pacing needs timers finer than a millisecond (a byte takes 0.6 ms at 16 666 baud).
    sim::PreciseClock clock;
    sim::SimBus bus(clock);
    bus.setBaudPace(setup.baud);
    sim::SimCommandStation station(bus, config, faults);
    if (setup.verbose)
        station.setLog([&err](const QString& line) {
            err << line << "\n";
            err.flush();
        });
    if (setup.seedLocos > 0)
        station.seedLocomotives(setup.seedLocos);
    if (setup.seedAccessories > 0)
        station.seedAccessories(setup.seedAccessories);
    if (setup.seedFeedback > 0)
        station.seedFeedback(setup.seedFeedback);
    if (setup.seedRoutes > 0)
        station.seedRoutes(setup.seedRoutes);
    VanishWatch watch;
    bus.attach(&watch);

    sim::PtyServer server(bus);
    if (onPty) {
        if (!server.start()) {
            err << QCoreApplication::translate("SimCommand", "kx2ctl sim: Pseudo-Terminal nicht anlegbar: ")
                << server.errorText() << "\n";
            return 1;
        }
        server.setLatencyTimer(setup.latencyMs / 1000.0);
        if (!server.linkTo(setup.ptyPath)) {
            err << QCoreApplication::translate("SimCommand", "kx2ctl sim: Link ") << setup.ptyPath
                << QCoreApplication::translate("SimCommand", " nicht anlegbar: ") << server.errorText() << "\n";
            return 1;
        }
    }
    sim::LbServer lb(bus);
    if (onTcp && !lb.listen(quint16(setup.lbPort))) {
        err << QCoreApplication::translate("SimCommand", "kx2ctl sim: Port ") << setup.lbPort
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
    if (onPty)
        out << server.deviceName() << "\n";
    if (onTcp)
        out << "tcp:127.0.0.1:" << lb.port() << "\n";
    out.flush();
    err << QCoreApplication::translate("SimCommand", "Simulierte Zentrale");
    if (onPty)
        err << QCoreApplication::translate("SimCommand", " an ") << server.deviceName() << " (" << setup.ptyPath << ")";
    if (onTcp)
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
