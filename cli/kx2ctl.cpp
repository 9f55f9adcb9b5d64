#include "cli/Commands.h"

#include "link/QtMessageRoute.h"
#include "shell/ProgramInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <QTextStream>
#include <functional>
#include <map>

namespace {

const char* const kUsage =
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
    "  loconet  eine LocoNet-Nachricht senden und die Antwort zeigen\n"
    "  monitor  jede Nachricht auf dem LocoNet zeigen, bis Strg+C\n"
    "  sim      die simulierte Zentrale betreiben\n"
    "\n"
    "kx2ctl --version zeigt Version, Marke und Qt-Version.\n"
    "kx2ctl BEFEHL --help zeigt die Optionen eines Befehls. Die Port-Optionen (--port, --interface,\n"
    "--baud, --trace, --sim-state) dürfen auch vor dem BEFEHL stehen.\n";

using Command = std::function<int(const QStringList&)>;

} // namespace

int main(int argc, char** argv)
{
    // Before the application: the offscreen platform's notes must not reach a script's output.
    kx2::RouteQtMessagesTo(nullptr);
    // A PDF needs fonts and a paint engine: Qt GUI without a window, on the offscreen platform.
    bool pdf = false;
    for (int i = 1; i < argc; ++i)
        pdf = pdf || std::strcmp(argv[i], "--pdf") == 0;
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        pdf ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const std::map<QString, Command> commands = {
        {QStringLiteral("sim"), kx2::cli::runSim},
        {QStringLiteral("read"), kx2::cli::runRead},
        {QStringLiteral("send"), kx2::cli::runSend},
        {QStringLiteral("show"), kx2::cli::runShow},
        {QStringLiteral("loconet"), kx2::cli::runLocoNet},
        {QStringLiteral("backup"), kx2::cli::runBackup},
        {QStringLiteral("restore"), kx2::cli::runRestore},
        {QStringLiteral("diff"), kx2::cli::runDiff},
        {QStringLiteral("import-csv"), kx2::cli::runImportCsv},
        {QStringLiteral("monitor"), kx2::cli::runMonitor},
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
        out << QString::fromUtf8(kUsage);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version") || args.first() == QLatin1String("-v")) {
        out << kx2::VersionText(QStringLiteral("kx2ctl"));
        return 0;
    }
    const auto it = commands.find(args.first());
    if (it == commands.end()) {
        err << QString::fromUtf8("Unbekannter Befehl: ") << args.first() << "\n" << QString::fromUtf8(kUsage);
        return 2;
    }
    return it->second(args.mid(1));
}
