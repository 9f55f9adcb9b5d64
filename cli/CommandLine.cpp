#include "cli/Commands.h"

#include "shell/ProgramInfo.h"

#include <QCoreApplication>
#include <QTextStream>
#include <functional>
#include <map>

namespace kx2::cli {

namespace {

const char* const kUsage = QT_TRANSLATE_NOOP(
    "CommandLine",
    "kx2ctl - Kommandozeilenwerkzeug für die Datenbanken der Zentrale\n"
    "\n"
    "Aufruf: kx2ctl BEFEHL [Optionen]\n"
    "\n"
    "Befehle:\n"
    "  read     Datenbank aus der Zentrale lesen und als ISD-Datei speichern\n"
    "  send     ISD-Datei laden und zur Zentrale senden\n"
    "  show     Inhalt einer ISD-Datei anzeigen (--csv: als CSV, --pdf DATEI: als PDF)\n"
    "  backup   alle vier Datenbanken der Zentrale in einen Ordner sichern\n"
    "  restore  eine Sicherung zur Zentrale zurückspielen\n"
    "  diff     zwei ISD-Dateien vergleichen\n"
    "  import-csv  Namen, Formate und Symbole aus einer CSV-Datei in eine ISD-Datei übernehmen\n"
    "  import-roster  Lokomotiven einer JMRI-Roster oder eines Rocrail-Plans in eine Lokdaten-Datei übernehmen\n"
    "  export-roster  die Lokomotiven einer Lokdaten-Datei als JMRI-Roster schreiben\n"
    "  loconet  eine LocoNet-Nachricht senden und die Antwort zeigen\n"
    "  monitor  jede Nachricht auf dem LocoNet zeigen, bis Strg+C\n"
    "  sim      die simulierte Zentrale betreiben\n"
    "\n"
    "kx2ctl --version zeigt Version, Marke und Qt-Version.\n"
    "kx2ctl BEFEHL --help zeigt die Optionen eines Befehls. Die Port-Optionen (--port, --interface,\n"
    "--baud, --trace, --sim-state) dürfen auch vor dem BEFEHL stehen. --lang de|en wählt die Sprache.\n");

using Command = std::function<int(const QStringList&)>;

} // namespace

int runCommandLine(QStringList args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString usage = QCoreApplication::translate("CommandLine", kUsage);
    const std::map<QString, Command> commands = {
        {QStringLiteral("sim"), runSim},
        {QStringLiteral("read"), runRead},
        {QStringLiteral("send"), runSend},
        {QStringLiteral("show"), runShow},
        {QStringLiteral("loconet"), runLocoNet},
        {QStringLiteral("backup"), runBackup},
        {QStringLiteral("restore"), runRestore},
        {QStringLiteral("diff"), runDiff},
        {QStringLiteral("import-csv"), runImportCsv},
        {QStringLiteral("import-roster"), runImportRoster},
        {QStringLiteral("export-roster"), runExportRoster},
        {QStringLiteral("monitor"), runMonitor},
    };

    // The port options may also stand before the command ("kx2ctl --port tcp:host read loco ..."):
    // they are handed to the command after its own words.
    const QStringList portOptions = {QStringLiteral("--port"), QStringLiteral("--interface"), QStringLiteral("--baud"),
                                     QStringLiteral("--trace"), QStringLiteral("--sim-state")};
    QStringList leading;
    while (!args.isEmpty() && (portOptions.contains(args.first().section(QLatin1Char('='), 0, 0)))) {
        leading << args.takeFirst();
        if (!leading.last().contains(QLatin1Char('=')) && !args.isEmpty())
            leading << args.takeFirst();
    }
    args << leading;
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        out << usage;
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version") || args.first() == QLatin1String("-v")) {
        out << versionText(QStringLiteral("kx2ctl"));
        return 0;
    }
    const auto it = commands.find(args.first());
    if (it == commands.end()) {
        err << QCoreApplication::translate("CommandLine", "Unbekannter Befehl: ") << args.first() << "\n" << usage;
        return 2;
    }
    return it->second(args.mid(1));
}

} // namespace kx2::cli
