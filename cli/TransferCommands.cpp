#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/GermanHelp.h"
#include "cli/Interrupt.h"

#include "app/StationBackup.h"
#include "app/StationDatabases.h"
#include "shell/ExactNumber.h"
#include "shell/ProgramInfo.h"

#include "BuildInfo.h"
#include "link/ResultText.h"

#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>
#include <QCoreApplication>

namespace kx2::cli {

namespace {

// The exit code of a transfer the user cancelled, as a shell reports one ended by Ctrl+C.
constexpr int kCancelledExit = 130;

const QCommandLineOption& quietOption()
{
    static const QCommandLineOption quiet(
        {QStringLiteral("q"), QStringLiteral("quiet")},
        QCoreApplication::translate("TransferCommands",
                                    "Keinen Fortschritt zeigen, nur Fehler und die Zusammenfassung."));
    return quiet;
}

// The progress as the options and the terminal ask for it.
void chooseProgress(CliContext& cli, const QCommandLineParser& parser)
{
    if (parser.isSet(quietOption())) {
        cli.progress().setMode(StderrProgress::Mode::Quiet);
        cli.dialogs().setQuiet(true);
    }
}

// --verify of send and restore.
const QCommandLineOption& verifyOption()
{
    static const QCommandLineOption verify(
        QStringLiteral("verify"),
        QCoreApplication::translate("TransferCommands",
                                    "Nach dem Senden prüfen: das Geschriebene aus der Zentrale zurücklesen und "
                                    "vergleichen; bei Abweichungen endet kx2ctl mit einem Fehler."));
    return verify;
}

using CliDatabase = StationDatabase;

// --yes and --replace of send and restore: the two questions of a send answered in advance.
void presetSendAnswers(CliContext& cli, const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("yes")))
        cli.dialogs().presetAnswer(Question::StoreChanges, MsgAnswer::Yes);
    if (parser.isSet(QStringLiteral("replace")))
        cli.dialogs().presetAnswer(Question::ReplaceOtherStation, MsgAnswer::Yes);
}

// The database named by the one positional argument.
const CliDatabase* wantedDatabase(const QCommandLineParser& parser, int& exitCode)
{
    const QStringList what = parser.positionalArguments();
    if (what.size() == 1)
        if (const CliDatabase* db = findStationDatabase(what[0]))
            return db;
    QTextStream(stderr) << QCoreApplication::translate(
        "TransferCommands",
        "Angeben, welche Datenbank: loco (Lokomotiven), acc (Magnetartikel), fb (Rückmelder) oder routes "
        "(Fahrstraßen)\n");
    exitCode = 2;
    return nullptr;
}

} // namespace

int runRead(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TransferCommands",
        "Liest eine Datenbank aus der Zentrale und speichert sie als ISD-Datei. Magnetartikel (1..2048) und\n"
        "Rückmelder (1..4096) werden im Adressbereich --from..--to gelesen (Vorgabe 1 bis 16), Lokomotiven und\n"
        "die 80 Fahrstraßen ganz."));
    parser.addPositionalArgument(QCoreApplication::translate("TransferCommands", "datenbank"),
                                 QCoreApplication::translate("TransferCommands", "loco, acc, fb oder routes"));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QCoreApplication::translate("TransferCommands", "Zieldatei (ISD)."),
                      QCoreApplication::translate("TransferCommands", "datei")});
    parser.addOption({QStringLiteral("from"),
                      QCoreApplication::translate("TransferCommands", "erste Adresse (acc, fb)."),
                      QCoreApplication::translate("TransferCommands", "adresse"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("to"),
                      QCoreApplication::translate("TransferCommands", "letzte Adresse (acc, fb)."),
                      QCoreApplication::translate("TransferCommands", "adresse"), QStringLiteral("16")});
    parser.addOption(quietOption());
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(
            parser, args, QStringLiteral("read"),
            QCoreApplication::translate("TransferCommands",
                                        "kx2ctl read loco|acc|fb|routes -o DATEI.isd [--from A --to B] [Optionen]"),
            exitCode))
        return exitCode;
    const CliDatabase* db = wantedDatabase(parser, exitCode);
    if (!db)
        return exitCode;
    if (!parser.isSet(QStringLiteral("output"))) {
        QTextStream(stderr) << QCoreApplication::translate("TransferCommands", "Zieldatei fehlt: -o DATEI.isd\n");
        return 2;
    }
    // Whole numbers only, whatever the database: "--to 1e3" must not read as 1.
    for (const QString& option : {QStringLiteral("from"), QStringLiteral("to")}) {
        if (!wholeNumber(parser.value(option))) {
            const QString expected = db->maxAddress > 0 ? wholeNumberFromTo(1, db->maxAddress)
                                                        : QCoreApplication::translate("TransferCommands", "ganze Zahl");
            QTextStream(stderr) << badOptionValue(option, parser.value(option), expected) << "\n";
            return 2;
        }
    }
    std::optional<AddressRange> range;
    if (db->maxAddress > 0) {
        range = parseAddressRange(parser.value(QStringLiteral("from")), parser.value(QStringLiteral("to")), db->maxAddress);
        if (!range) {
            QTextStream(stderr) << TerminalDialogs::plain(addressRangeError(db->maxAddress)) << "\n";
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
    if (read.end == ReadEnd::Cancelled) {
        QTextStream(stdout) << QCoreApplication::translate("TransferCommands", "Abgebrochen, nichts gespeichert.\n");
        return kCancelledExit;
    }
    // Records complete but the access perhaps left open: that was said, and the file is exact.
    if (!read.recordsComplete())
        return 1;
    const QString error = db->file(ctx).saveTo(parser.value(QStringLiteral("output")));
    if (!error.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(error) << "\n";
        return 1;
    }
    QTextStream(stdout) << db->subject->countedText(db->count(ctx))
                        << QCoreApplication::translate("TransferCommands", " gelesen, gespeichert in ")
                        << parser.value(QStringLiteral("output")) << "\n";
    return 0;
}

int runSend(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TransferCommands",
        "Lädt eine ISD-Datei wie \"laden\" im Editor (Magnetartikel und Rückmelder mit ihrem Adressbereich)\n"
        "und sendet die Datensätze zur Zentrale."));
    parser.addPositionalArgument(QCoreApplication::translate("TransferCommands", "datenbank"),
                                 QCoreApplication::translate("TransferCommands", "loco, acc, fb oder routes"));
    parser.addOption({{QStringLiteral("i"), QStringLiteral("input")},
                      QCoreApplication::translate("TransferCommands", "Quelldatei (ISD)."),
                      QCoreApplication::translate("TransferCommands", "datei")});
    parser.addOption({QStringLiteral("yes"),
                      QCoreApplication::translate("TransferCommands",
                                                  "Die Frage, ob gespeichert werden soll, mit Ja beantworten.")});
    parser.addOption({QStringLiteral("replace"),
                      QCoreApplication::translate(
                          "TransferCommands",
                          "Daten aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze "
                          "werden gelöscht).")});
    parser.addOption(verifyOption());
    parser.addOption(quietOption());
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(
            parser, args, QStringLiteral("send"),
            QCoreApplication::translate("TransferCommands", "kx2ctl send loco|acc|fb|routes -i DATEI.isd [Optionen]"),
            exitCode))
        return exitCode;
    const CliDatabase* db = wantedDatabase(parser, exitCode);
    if (!db)
        return exitCode;
    if (!parser.isSet(QStringLiteral("input"))) {
        QTextStream(stderr) << QCoreApplication::translate("TransferCommands", "Quelldatei fehlt: -i DATEI.isd\n");
        return 2;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    chooseProgress(cli, parser);
    presetSendAnswers(cli, parser);

    AppContext& ctx = cli.ctx();
    ctx.settings.VerifyAfterSend = parser.isSet(verifyOption());
    const IsdLoadResult loaded = db->load(ctx, parser.value(QStringLiteral("input")));
    if (!loaded.ok()) {
        showIsdError(cli.dialogs(), loaded.error, loaded.detail, parser.value(QStringLiteral("input")));
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
        out << QCoreApplication::translate("TransferCommands", "Nichts zu senden.\n");
        return 0;
    case SendOutcome::Declined:
    case SendOutcome::OtherDeviceDeclined:
        out << QCoreApplication::translate("TransferCommands", "Nicht gesendet.\n");
        return 3;
    case SendOutcome::Failed:
        return 1;
    case SendOutcome::Cancelled:
        out << QCoreApplication::translate("TransferCommands", "Abgebrochen.\n");
        return kCancelledExit;
    case SendOutcome::Sent:
        break;
    }
    out << (ctx.settings.VerifyAfterSend ? QCoreApplication::translate("TransferCommands", "Gesendet und geprüft.\n")
                                         : QCoreApplication::translate("TransferCommands", "Gesendet.\n"));
    return 0;
}

int runLocoNet(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TransferCommands",
        "Sendet eine LocoNet-Nachricht (Prüfsumme wird angehängt) und wartet auf Echo und Antwort.\n"
        "Beispiel, das Ende eines Datenbankzugriffs (die Zentrale antwortet B4 6D 7F):\n"
        "  kx2ctl loconet --port SIM ED 1F 08 49 4B 70 42 7F 7F 7F 70 00 00 00 00 \\\n"
        "    30 4B 32 71 0D 00 5E 26 39 64 00 00 00 00 00\n"
        "Die Nachrichten erscheinen als TX/RX-Zeilen auf der Standardausgabe."));
    parser.addPositionalArgument(
        QCoreApplication::translate("TransferCommands", "bytes"),
        QCoreApplication::translate("TransferCommands", "Bytes der Nachricht in Hexadezimal, ohne Prüfsumme."));
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("loconet"),
                     QCoreApplication::translate("TransferCommands", "kx2ctl loconet [Optionen] BYTE..."), exitCode))
        return exitCode;
    QVector<int> bytes;
    for (const QString& word : parser.positionalArguments()) {
        bool ok = false;
        const int b = word.toInt(&ok, 16);
        if (!ok || b < 0 || b > 255) {
            QTextStream(stderr) << QCoreApplication::translate("TransferCommands", "Kein Byte: ") << word << "\n";
            return 2;
        }
        bytes.push_back(b);
    }
    if (bytes.isEmpty() || !(bytes[0] & 0x80)) {
        QTextStream(stderr) << QCoreApplication::translate("TransferCommands",
                                                           "Die Nachricht beginnt mit einem Opcode (Bit 7 gesetzt).\n");
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
    int result = ctx.iface.ConnectInterface();
    if (result == 0)
        result = ctx.link.exchange(bytes.data(), bytes.size() - 1).result;
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

namespace {

// --quick of backup and restore.
const QCommandLineOption& quickOption()
{
    static const QCommandLineOption quick(
        QStringLiteral("quick"),
        QCoreApplication::translate(
            "TransferCommands",
            "Schnell: leere Datensätze an der ersten Seite erkennen. Magnetartikel, Rückmelder und Fahrstraßennamen,\n"
            "deren erste Seite ganz aus 0xFF besteht, gelten als nie geschrieben; ihre übrigen Seiten werden nicht\n"
            "gelesen (etwa 0,6 der Zeit). Ein Datensatz, den ein anderes Programm nur hinter der ersten Seite\n"
            "beschrieben hat, fehlt dann in der Sicherung."));
    return quick;
}

const QCommandLineOption& folderOption()
{
    static const QCommandLineOption folder({QStringLiteral("d"), QStringLiteral("dir")},
                                           QCoreApplication::translate("TransferCommands", "Ordner der Sicherung."),
                                           QCoreApplication::translate("TransferCommands", "ordner"));
    return folder;
}

int stationRunExit(const StationRunOutcome& outcome)
{
    // The texts hold the line breaks of a message box (a save error: what, file, why).
    QTextStream(outcome.ok() ? stdout : stderr) << TerminalDialogs::plain(outcome.text) << "\n";
    switch (outcome.end) {
    case StationRunOutcome::End::Done:
        return 0;
    case StationRunOutcome::End::Declined:
        return 3;
    case StationRunOutcome::End::Cancelled:
        return kCancelledExit;
    case StationRunOutcome::End::Failed:
        break;
    }
    return 1;
}

} // namespace

int runBackup(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TransferCommands",
        "Liest alle vier Datenbanken der Zentrale ganz (Lokomotiven, Magnetartikel 1..2048, Rückmelder 1..4096,\n"
        "Fahrstraßen) in einem Zugang zur Datenbank und speichert sie als vier ISD-Dateien mit sicherung.txt\n"
        "(Seriennummer, Datum, Lesart, Prüfsummen) im Ordner. Eine ältere Sicherung dort wird erst ersetzt, wenn\n"
        "die neue vollständig geschrieben ist."));
    parser.addOption(folderOption());
    parser.addOption(quickOption());
    parser.addOption(quietOption());
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("backup"),
                     QCoreApplication::translate("TransferCommands", "kx2ctl backup -d ORDNER [--quick] [Optionen]"),
                     exitCode))
        return exitCode;
    if (!parser.isSet(folderOption())) {
        QTextStream(stderr) << QCoreApplication::translate("TransferCommands", "Ordner fehlt: -d ORDNER\n");
        return 2;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    chooseProgress(cli, parser);
    const QString program = QStringLiteral("kx2ctl %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
    const InterruptCatcher interrupt;
    BackupOptions options;
    options.quick = parser.isSet(quickOption());
    return stationRunExit(backupStation(cli.ctx(), parser.value(folderOption()), program, options));
}

int runRestore(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TransferCommands",
        "Lädt die vier ISD-Dateien einer Sicherung (kx2ctl backup), liest die Zentrale wie eine Sicherung und\n"
        "schreibt nur, was abweicht: Datensätze, Datenformate und Fahrstraßeneinträge; Datensätze, die in der\n"
        "Sicherung nie geschrieben waren, werden gelöscht. Vorher nennt die Frage je Datenbank, wie viele\n"
        "Datensätze geschrieben und gelöscht werden. Eine Sicherung, deren Dateien nicht zu ihrer sicherung.txt\n"
        "passen, wird abgelehnt, bevor etwas gesendet wird."));
    parser.addOption(folderOption());
    parser.addOption(quickOption());
    parser.addOption({QStringLiteral("dry-run"),
                      QCoreApplication::translate("TransferCommands",
                                                  "Nur lesen und vergleichen: nennen, was geschrieben und gelöscht "
                                                  "würde, und nichts schreiben.")});
    parser.addOption({QStringLiteral("yes"),
                      QCoreApplication::translate("TransferCommands",
                                                  "Die Fragen, ob gespeichert werden soll, mit Ja beantworten.")});
    parser.addOption({QStringLiteral("replace"),
                      QCoreApplication::translate(
                          "TransferCommands",
                          "Eine Sicherung aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen "
                          "Datensätze werden gelöscht).")});
    parser.addOption(verifyOption());
    parser.addOption(quietOption());
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("restore"),
                     QCoreApplication::translate("TransferCommands",
                                                 "kx2ctl restore -d ORDNER [--quick] [--dry-run] [--yes] [--replace] "
                                                 "[--verify] [Optionen]"),
                     exitCode))
        return exitCode;
    if (!parser.isSet(folderOption())) {
        QTextStream(stderr) << QCoreApplication::translate("TransferCommands", "Ordner fehlt: -d ORDNER\n");
        return 2;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    chooseProgress(cli, parser);
    presetSendAnswers(cli, parser);
    cli.ctx().settings.VerifyAfterSend = parser.isSet(verifyOption());
    const InterruptCatcher interrupt;
    RestoreOptions options;
    options.quick = parser.isSet(quickOption());
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    return stationRunExit(restoreStation(cli.ctx(), parser.value(folderOption()), options));
}

} // namespace kx2::cli
