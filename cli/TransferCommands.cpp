#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/GermanHelp.h"

#include "link/ResultText.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTransfer.h"

#include <QTextStream>

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

bool wantsLoco(const QCommandLineParser& parser, int& exitCode)
{
    const QStringList what = parser.positionalArguments();
    if (what.size() != 1 || what[0] != QLatin1String("loco")) {
        QTextStream(stderr) << "Angeben, welche Datenbank: loco (die anderen Datenbanken folgen)\n";
        exitCode = 2;
        return false;
    }
    return true;
}

} // namespace

int runRead(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Liest eine Datenbank aus der Zentrale und speichert sie als ISD-Datei."));
    parser.addPositionalArgument(QStringLiteral("datenbank"), QStringLiteral("loco"));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Zieldatei (ISD)."), QStringLiteral("datei")});
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("read"),
                                             QStringLiteral("kx2ctl read loco -o DATEI.isd [Optionen]"), exitCode) || !wantsLoco(parser, exitCode))
        return exitCode;
    if (!parser.isSet(QStringLiteral("output"))) {
        QTextStream(stderr) << "Zieldatei fehlt: -o DATEI.isd\n";
        return 2;
    }
    // Before a read of minutes, not after it.
    if (const QString why = IsdWriter::checkWritable(parser.value(QStringLiteral("output"))); !why.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(why) << "\n";
        return 1;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    AppContext& ctx = cli.ctx();
    const LocoReadOutcome out = ctx.locoTransfer().ReadLocoDatabase();
    if (out.result != 0)
        return 1;
    const QString error = LocoTableFile(ctx.loco, ctx.storedSerial).saveTo(parser.value(QStringLiteral("output")));
    if (!error.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(error) << "\n";
        return 1;
    }
    int used = 0;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        used += ctx.loco.holdsRecord(i) ? 1 : 0;
    QTextStream(stderr) << used << " Lokomotiven gelesen, gespeichert in " << parser.value(QStringLiteral("output")) << "\n";
    return 0;
}

int runSend(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lädt eine ISD-Datei wie \"alle Datensätze laden\" und sendet die Datensätze zur Zentrale."));
    parser.addPositionalArgument(QStringLiteral("datenbank"), QStringLiteral("loco"));
    parser.addOption({{QStringLiteral("i"), QStringLiteral("input")}, QStringLiteral("Quelldatei (ISD)."), QStringLiteral("datei")});
    parser.addOption({QStringLiteral("yes"), QStringLiteral("Die Frage, ob gespeichert werden soll, mit Ja beantworten.")});
    parser.addOption({QStringLiteral("replace"),
                      QStringLiteral("Daten aus einer anderen Zentrale ohne Rückfrage speichern (alle vorhandenen Datensätze "
                                     "werden gelöscht).")});
    CliContext::addPortOptions(parser);
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("send"),
                                             QStringLiteral("kx2ctl send loco -i DATEI.isd [Optionen]"), exitCode) || !wantsLoco(parser, exitCode))
        return exitCode;
    if (!parser.isSet(QStringLiteral("input"))) {
        QTextStream(stderr) << "Quelldatei fehlt: -i DATEI.isd\n";
        return 2;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    if (parser.isSet(QStringLiteral("yes")))
        cli.dialogs().presetAnswer(Question::StoreChanges, MsgAnswer::Yes);
    if (parser.isSet(QStringLiteral("replace")))
        cli.dialogs().presetAnswer(Question::ReplaceOtherStation, MsgAnswer::Yes);

    AppContext& ctx = cli.ctx();
    const IsdLoadResult loaded = LoadLocoTableFile(parser.value(QStringLiteral("input")), ctx.loco, ctx.storedSerial);
    if (!loaded.ok()) {
        ShowIsdError(cli.dialogs(), loaded.error, loaded.detail);
        return 1;
    }
    LocoTransfer transfer = ctx.locoTransfer();
    switch (transfer.SendLocoDatabase()) {
    case LocoSendOutcome::NothingPending:
        QTextStream(stderr) << "Nichts zu senden.\n";
        return 0;
    case LocoSendOutcome::Declined:
    case LocoSendOutcome::OtherDeviceDeclined:
        QTextStream(stderr) << "Nicht gesendet.\n";
        return 3;
    case LocoSendOutcome::Failed:
        return 1;
    case LocoSendOutcome::Sent:
        break;
    }
    QTextStream(stderr) << "Gesendet.\n";
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
        QTextStream(stderr) << TerminalDialogs::plain(ResultText(result)) << "\n";
        return 1;
    }
    return 0;
}

} // namespace kx2::cli
