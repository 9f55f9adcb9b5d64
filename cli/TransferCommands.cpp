#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/GermanHelp.h"
#include "cli/Interrupt.h"

#include "accessory/AccessoryFiles.h"
#include "feedback/FeedbackFiles.h"
#include "link/ResultText.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTransfer.h"
#include "routes/RouteFiles.h"

#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>

namespace kx2::cli {

namespace {

bool parseOrHelp(QCommandLineParser& parser, const QStringList& args, const QString& name, const QString& usage,
                 int& exitCode)
{
    addGermanHelpOption(parser);
    if (!parser.parse(QStringList{QStringLiteral("kx2ctl ") + name} + args)) {
        QTextStream(stderr) << parser.errorText() << "\n";
        exitCode = 2;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << germanHelpText(parser, usage);
        exitCode = 0;
        return false;
    }
    return true;
}

// The exit code of a transfer the user cancelled, as a shell reports one ended by Ctrl+C.
constexpr int kCancelledExit = 130;

const QCommandLineOption& quietOption()
{
    static const QCommandLineOption quiet(
        {QStringLiteral("q"), QStringLiteral("quiet")},
        QStringLiteral("Keinen Fortschritt zeigen, nur Fehler und die Zusammenfassung."));
    return quiet;
}

// The progress as the options and the terminal ask for it.
void chooseProgress(CliContext& cli, const QCommandLineParser& parser)
{
    if (parser.isSet(quietOption()))
        cli.progress().setMode(StderrProgress::Mode::Quiet);
}

// What read and send need to know of each database.
struct CliDatabase {
    const char* word;       // loco, acc, fb
    const char* what;       // for the summary line
    int maxAddress;         // highest address of a range database; 0: the whole table (loco)
    AddressRange* (*range)(AppContext&); // the range a range database works on
    std::function<ReadOutcome(AppContext&)> read;
    std::function<IsdWriter(AppContext&)> file;
    std::function<IsdLoadResult(AppContext&, const QString&)> load;
    std::function<SendOutcome(AppContext&)> send;
    std::function<int(AppContext&)> count;
};

int countRange(const RangeRecordTable& table, const AddressRange& range)
{
    int n = 0;
    for (int a = range.first; a <= range.last; ++a)
        n += table.status(a) != status::Empty ? 1 : 0;
    return n;
}

const std::vector<CliDatabase>& databases()
{
    static const std::vector<CliDatabase> all = {
        {"loco", "Lokomotiven", 0, [](AppContext&) -> AddressRange* { return nullptr; },
         [](AppContext& c) { return c.locoTransfer().ReadLocoDatabase(); },
         [](AppContext& c) { return LocoTableFile(c.loco, c.storedSerial); },
         [](AppContext& c, const QString& p) { return LoadLocoTableFile(p, c.loco, c.storedSerial); },
         [](AppContext& c) { return c.locoTransfer().SendLocoDatabase(); },
         [](AppContext& c) {
             int n = 0;
             for (int i = 0; i < LocoTable::SlotCount; ++i)
                 n += c.loco.holdsRecord(i) ? 1 : 0;
             return n;
         }},
        {"acc", "Magnetartikel", AccessoryTable::MaxAddress, [](AppContext& c) { return &c.accessoryRange; },
         [](AppContext& c) { return c.accessoryTransfer().ReadAccessoryDatabase(); },
         [](AppContext& c) { return RangeTableFile(AccessoryFileFormat(), c.accessories, c.storedSerial, c.accessoryRange); },
         [](AppContext& c, const QString& p) {
             return LoadRangeTableFile(p, AccessoryFileFormat(), c.accessories, c.storedSerial, c.accessoryRange);
         },
         [](AppContext& c) { return c.accessoryTransfer().SendAccessoryDatabase(); },
         [](AppContext& c) { return countRange(c.accessories, c.accessoryRange); }},
        {"fb", "Rückmelder", FeedbackTable::MaxAddress, [](AppContext& c) { return &c.feedbackRange; },
         [](AppContext& c) { return c.feedbackTransfer().ReadFeedbackDatabase(); },
         [](AppContext& c) { return RangeTableFile(FeedbackFileFormat(), c.feedback, c.storedSerial, c.feedbackRange); },
         [](AppContext& c, const QString& p) {
             return LoadRangeTableFile(p, FeedbackFileFormat(), c.feedback, c.storedSerial, c.feedbackRange);
         },
         [](AppContext& c) { return c.feedbackTransfer().SendFeedbackDatabase(); },
         [](AppContext& c) { return countRange(c.feedback, c.feedbackRange); }},
        {"routes", "Fahrstraßen", 0, [](AppContext&) -> AddressRange* { return nullptr; },
         [](AppContext& c) { return c.routeTransfer().ReadRoutes(); },
         [](AppContext& c) { return RouteTableFile(c.routes, c.storedSerial); },
         [](AppContext& c, const QString& p) { return LoadRouteTableFile(p, c.routes, c.storedSerial); },
         [](AppContext& c) { return c.routeTransfer().SendRoutes(); },
         [](AppContext& c) {
             int n = 0;
             for (int r = 1; r <= RouteTables::RouteCount; ++r)
                 n += c.routes.holdsRoute(r) ? 1 : 0;
             return n;
         }},
    };
    return all;
}

// The database named by the one positional argument.
const CliDatabase* wantedDatabase(const QCommandLineParser& parser, int& exitCode)
{
    const QStringList what = parser.positionalArguments();
    if (what.size() == 1)
        for (const CliDatabase& db : databases())
            if (what[0] == QLatin1String(db.word))
                return &db;
    QTextStream(stderr) << "Angeben, welche Datenbank: loco (Lokomotiven), acc (Magnetartikel), fb (Rückmelder) oder routes "
                           "(Fahrstraßen)\n";
    exitCode = 2;
    return nullptr;
}

} // namespace

int runRead(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Liest eine Datenbank aus der Zentrale und speichert sie als ISD-Datei. Magnetartikel (1..2048) und\n"
        "Rückmelder (1..4096) werden im Adressbereich --from..--to gelesen (Vorgabe 1 bis 16), Lokomotiven und\n"
        "die 80 Fahrstraßen ganz."));
    parser.addPositionalArgument(QStringLiteral("datenbank"), QStringLiteral("loco, acc, fb oder routes"));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Zieldatei (ISD)."), QStringLiteral("datei")});
    parser.addOption({QStringLiteral("from"), QStringLiteral("erste Adresse (acc, fb)."), QStringLiteral("adresse"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("to"), QStringLiteral("letzte Adresse (acc, fb)."), QStringLiteral("adresse"), QStringLiteral("16")});
    parser.addOption(quietOption());
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("read"),
                     QStringLiteral("kx2ctl read loco|acc|fb|routes -o DATEI.isd [--from A --to B] [Optionen]"), exitCode))
        return exitCode;
    const CliDatabase* db = wantedDatabase(parser, exitCode);
    if (!db)
        return exitCode;
    if (!parser.isSet(QStringLiteral("output"))) {
        QTextStream(stderr) << "Zieldatei fehlt: -o DATEI.isd\n";
        return 2;
    }
    std::optional<AddressRange> range;
    if (db->maxAddress > 0) {
        range = ParseAddressRange(parser.value(QStringLiteral("from")), parser.value(QStringLiteral("to")), db->maxAddress);
        if (!range) {
            QTextStream(stderr) << TerminalDialogs::plain(AddressRangeError(db->maxAddress)) << "\n";
            return 2;
        }
    }
    // Before a read of minutes, not after it.
    if (const QString why = IsdWriter::checkWritable(parser.value(QStringLiteral("output"))); !why.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(why) << "\n";
        return 1;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    chooseProgress(cli, parser);
    AppContext& ctx = cli.ctx();
    if (range)
        *db->range(ctx) = *range;
    ReadOutcome read;
    {
        const InterruptCatcher interrupt;
        read = db->read(ctx);
    }
    if (read.cancelled) {
        QTextStream(stdout) << "Abgebrochen, nichts gespeichert.\n";
        return kCancelledExit;
    }
    if (read.result != 0)
        return 1;
    const QString error = db->file(ctx).saveTo(parser.value(QStringLiteral("output")));
    if (!error.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(error) << "\n";
        return 1;
    }
    QTextStream(stdout) << db->count(ctx) << " " << db->what << " gelesen, gespeichert in "
                        << parser.value(QStringLiteral("output")) << "\n";
    return 0;
}

int runSend(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lädt eine ISD-Datei wie \"laden\" im Editor (Magnetartikel und Rückmelder mit ihrem Adressbereich)\n"
        "und sendet die Datensätze zur Zentrale."));
    parser.addPositionalArgument(QStringLiteral("datenbank"), QStringLiteral("loco, acc, fb oder routes"));
    parser.addOption({{QStringLiteral("i"), QStringLiteral("input")}, QStringLiteral("Quelldatei (ISD)."), QStringLiteral("datei")});
    parser.addOption({QStringLiteral("yes"), QStringLiteral("Die Frage, ob gespeichert werden soll, mit Ja beantworten.")});
    parser.addOption({QStringLiteral("replace"),
                      QStringLiteral("Daten aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze "
                                     "werden gelöscht).")});
    parser.addOption({QStringLiteral("verify"),
                      QStringLiteral("Nach dem Senden prüfen: das Geschriebene aus der Zentrale zurücklesen und vergleichen; "
                                     "bei Abweichungen endet kx2ctl mit einem Fehler.")});
    parser.addOption(quietOption());
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("send"),
                     QStringLiteral("kx2ctl send loco|acc|fb|routes -i DATEI.isd [Optionen]"), exitCode))
        return exitCode;
    const CliDatabase* db = wantedDatabase(parser, exitCode);
    if (!db)
        return exitCode;
    if (!parser.isSet(QStringLiteral("input"))) {
        QTextStream(stderr) << "Quelldatei fehlt: -i DATEI.isd\n";
        return 2;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    chooseProgress(cli, parser);
    if (parser.isSet(QStringLiteral("yes")))
        cli.dialogs().presetAnswer(Question::StoreChanges, MsgAnswer::Yes);
    if (parser.isSet(QStringLiteral("replace")))
        cli.dialogs().presetAnswer(Question::ReplaceOtherStation, MsgAnswer::Yes);

    AppContext& ctx = cli.ctx();
    ctx.settings.VerifyAfterSend = parser.isSet(QStringLiteral("verify"));
    const IsdLoadResult loaded = db->load(ctx, parser.value(QStringLiteral("input")));
    if (!loaded.ok()) {
        ShowIsdError(cli.dialogs(), loaded.error, loaded.detail);
        return 1;
    }
    SendOutcome sent;
    {
        const InterruptCatcher interrupt;
        sent = db->send(ctx);
    }
    QTextStream out(stdout);
    switch (sent) {
    case SendOutcome::NothingPending:
        out << "Nichts zu senden.\n";
        return 0;
    case SendOutcome::Declined:
    case SendOutcome::OtherDeviceDeclined:
        out << "Nicht gesendet.\n";
        return 3;
    case SendOutcome::Failed:
        return 1;
    case SendOutcome::Cancelled:
        out << "Abgebrochen.\n";
        return kCancelledExit;
    case SendOutcome::Sent:
        break;
    }
    out << (ctx.settings.VerifyAfterSend ? "Gesendet und geprüft.\n" : "Gesendet.\n");
    return 0;
}

int runLocoNet(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sendet eine LocoNet-Nachricht (Prüfsumme wird angehängt) und wartet auf Echo und Antwort.\n"
                       "Beispiel: kx2ctl loconet --port SIM B4 6D 7F\n"
                       "Die Nachrichten erscheinen als TX/RX-Zeilen auf der Standardausgabe."));
    parser.addPositionalArgument(QStringLiteral("bytes"), QStringLiteral("Bytes der Nachricht in Hexadezimal, ohne Prüfsumme."));
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("loconet"),
                     QStringLiteral("kx2ctl loconet [Optionen] BYTE..."), exitCode))
        return exitCode;
    QVector<int> bytes;
    for (const QString& word : parser.positionalArguments()) {
        bool ok = false;
        const int b = word.toInt(&ok, 16);
        if (!ok || b < 0 || b > 255) {
            QTextStream(stderr) << "Kein Byte: " << word << "\n";
            return 2;
        }
        bytes.push_back(b);
    }
    if (bytes.isEmpty() || !(bytes[0] & 0x80)) {
        QTextStream(stderr) << "Die Nachricht beginnt mit einem Opcode (Bit 7 gesetzt).\n";
        return 2;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    AppContext& ctx = cli.ctx();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    if (!parser.isSet(QStringLiteral("trace")))
        ctx.link.setTrace(&out);
    int result = 0;
    ctx.iface.ConnectInterface(result);
    if (result == 0)
        ctx.link.exchange(bytes.data(), bytes.size() - 1, result);
    ctx.link.Pause(0.2); // late messages still make it into the trace
    ctx.iface.ClosePort();
    out.flush();
    if (result != 0) {
        const QString why = ctx.platform.port.failureText();
        QTextStream(stderr) << TerminalDialogs::plain(ResultText(result)) << "\n";
        if (!why.isEmpty())
            QTextStream(stderr) << why << "\n";
        return 1;
    }
    return 0;
}

} // namespace kx2::cli
