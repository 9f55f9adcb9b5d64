#include "cli/Commands.h"
#include "cli/GermanHelp.h"

#include "app/StationDatabases.h"
#include "cli/CliContext.h"
#include "loco/FunctionKeywords.h"
#include "loco/RosterExport.h"
#include "loco/RosterImport.h"
#include "shell/ProgramPlaces.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

// kx2ctl import-roster and export-roster: locomotive lists of JMRI and Rocrail, files only.
namespace kx2::cli {

namespace {

// The locomotive table file `path` in the program's tables; the exit code when it is not.
std::optional<int> loadLocoFile(CliContext& cli, const QString& path)
{
    if (!cli.configureForFiles())
        return 2;
    if (const IsdLoadResult r = findStationDatabase(QStringLiteral("loco"))->load(cli.ctx(), path); !r.ok())
        return loadError(path, r);
    return std::nullopt;
}

// The keyword table the user keeps beside the settings file, else the one the program brings.
std::optional<FunctionKeywords> keywords()
{
    const ProgramPlaces places = programPlacesOfThisRun();
    const FunctionKeywordsRead read = loadFunctionKeywords(places.konfBase, places.settingsFolder);
    if (read.ok())
        return read.table;
    QTextStream(stderr) << TerminalDialogs::plain(read.error) << "\n";
    return std::nullopt;
}

} // namespace

int runImportRoster(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "RosterCommands",
        "Übernimmt die Lokomotiven einer JMRI-Roster (roster.xml) oder eines Rocrail-Plans (plan.xml) in eine\n"
        "Lokdaten-Datei: Name, Adresse, Datenformat, Höchstgeschwindigkeit (nur in km/h) und die Symbole, die\n"
        "die Funktionsnamen nach konf/lokfunktionen.txt meinen. Eine Lok mit einer Adresse der Datei wird\n"
        "geändert, eine neue Adresse wird eine neue Lok, die übrigen bleiben. Eine fehlerhafte Datei ändert\n"
        "nichts."));
    parser.addPositionalArgument(QCoreApplication::translate("RosterCommands", "datei"),
                                 QCoreApplication::translate("RosterCommands", "roster.xml oder plan.xml"));
    parser.addOption({{QStringLiteral("i"), QStringLiteral("input")},
                      QCoreApplication::translate("RosterCommands", "Lokdaten-Datei (ISD), in die übernommen wird."),
                      QCoreApplication::translate("RosterCommands", "datei")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QCoreApplication::translate("RosterCommands", "Zieldatei (ISD)."),
                      QCoreApplication::translate("RosterCommands", "datei")});
    parser.addOption({QStringLiteral("shorten"),
                      QCoreApplication::translate("RosterCommands",
                                                  "Namen, die länger als 23 Zeichen sind, gekürzt übernehmen.")});
    const QString usage = QCoreApplication::translate(
        "RosterCommands", "kx2ctl import-roster DATEI.xml -i BASIS.isd -o NEU.isd [--shorten]");
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("import-roster"), usage, exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(QStringLiteral("input"))
        || !parser.isSet(QStringLiteral("output"))) {
        QTextStream(stderr) << QCoreApplication::translate("RosterCommands", "Aufruf: ") << usage << "\n";
        return 2;
    }
    const RosterFile roster = loadRosterFile(parser.positionalArguments().first());
    if (!roster.ok()) {
        QTextStream(stderr) << TerminalDialogs::plain(roster.error) << "\n";
        return 1;
    }
    const std::optional<FunctionKeywords> words = keywords();
    if (!words)
        return 1;
    CliContext cli;
    if (const std::optional<int> failed = loadLocoFile(cli, parser.value(QStringLiteral("input"))))
        return *failed;
    AppContext& ctx = cli.ctx();
    const RosterImportDone done
        = importRoster(ctx.loco, ctx.locoFormats, *words, roster, parser.isSet(QStringLiteral("shorten")));
    if (!done.taken()) {
        QTextStream err(stderr);
        if (done.verdict == RosterImportDone::Verdict::Refused)
            err << done.refusal << "\n";
        else
            err << TerminalDialogs::plain(rosterTooLongText(done.tooLong)) << "\n"
                << QCoreApplication::translate("RosterCommands", "Mit --shorten werden sie gekürzt; nichts übernommen.")
                << "\n";
        return 1;
    }
    const QString output = parser.value(QStringLiteral("output"));
    if (const QString error = findStationDatabase(QStringLiteral("loco"))->file(ctx).saveTo(output); !error.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(error) << "\n";
        return 1;
    }
    QTextStream(stdout) << rosterSummaryText(done)
                        << QCoreApplication::translate("RosterCommands", "; gespeichert in ") << output << "\n";
    return 0;
}

int runExportRoster(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "RosterCommands",
        "Schreibt die Lokomotiven einer Lokdaten-Datei als JMRI-Roster in einen Ordner: ORDNER/roster.xml und\n"
        "je Lok ORDNER/roster/NAME.xml, mit Name, Adresse, Protokoll und den Funktionsnamen der Symbole in\n"
        "der Sprache des Programms. Datenformat und Höchstgeschwindigkeit stehen als Attributpaare dabei."));
    parser.addPositionalArgument(QCoreApplication::translate("RosterCommands", "lokdaten"), QCoreApplication::translate("RosterCommands", "Lokdaten-Datei (ISD)"));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QCoreApplication::translate("RosterCommands", "Ordner der Roster."),
                      QCoreApplication::translate("RosterCommands", "ordner")});
    const QString usage = QCoreApplication::translate("RosterCommands", "kx2ctl export-roster LOKDATEN.isd -o ORDNER");
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("export-roster"), usage, exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(QStringLiteral("output"))) {
        QTextStream(stderr) << QCoreApplication::translate("RosterCommands", "Aufruf: ") << usage << "\n";
        return 2;
    }
    CliContext cli;
    if (const std::optional<int> failed = loadLocoFile(cli, parser.positionalArguments().first()))
        return *failed;
    const std::optional<FunctionKeywords> words = keywords();
    if (!words)
        return 1;
    const QString folder = parser.value(QStringLiteral("output"));
    const RosterExportDone done = exportJmriRoster(cli.ctx().loco, *words, languageInUse(), folder);
    if (!done.ok()) {
        QTextStream(stderr) << TerminalDialogs::plain(done.error) << "\n";
        return 1;
    }
    QTextStream(stdout) << QCoreApplication::translate("RosterCommands", "%n Lokomotiven exportiert nach ", nullptr,
                                                       done.written)
                        << folder << "\n";
    return 0;
}

} // namespace kx2::cli
