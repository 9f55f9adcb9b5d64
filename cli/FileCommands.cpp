#include "cli/Commands.h"
#include "cli/GermanHelp.h"

#include "app/IsdDiff.h"
#include "app/StationDatabases.h"
#include "cli/CliContext.h"
#include "editor/TablePrint.h"
#include "shell/ProgramPlaces.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <QCoreApplication>

// kx2ctl diff and import-csv: work on files only, no port.
namespace kx2::cli {

namespace {

// Loads the table file `path` into the program's tables for a view of it (`what`: "CSV", "PDF").
// The database it holds, or none with `exitCode` set after the error is told.
const StationDatabase* loadTableFile(const QString& path, const char* what, CliContext& cli, int& exitCode)
{
    exitCode = 1;
    IsdReader probe;
    if (probe.open(path) != IsdError::None) {
        loadError(path, {probe.error(), probe.errorDetail()});
        return nullptr;
    }
    const StationDatabase* db = stationDatabaseOfHeader(probe.header());
    if (!db) {
        QTextStream(stderr) << QCoreApplication::translate("FileCommands", "Keine Tabellendatei, kein ") << what << ": "
                            << path << "\n";
        return nullptr;
    }
    if (!cli.configureForFiles()) {
        exitCode = 2;
        return nullptr;
    }
    if (const IsdLoadResult r = db->load(cli.ctx(), path); !r.ok()) {
        loadError(path, r);
        return nullptr;
    }
    return db;
}

} // namespace

int showCsv(const QString& path)
{
    CliContext cli;
    int exitCode = 0;
    const StationDatabase* db = loadTableFile(path, "CSV", cli, exitCode);
    if (!db)
        return exitCode;
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write(writeCsv(db->csv(cli.ctx())));
    return 0;
}

int showPdf(const QString& path, const QString& pdfPath, bool wholeRange)
{
    CliContext cli;
    int exitCode = 0;
    const StationDatabase* db = loadTableFile(path, "PDF", cli, exitCode);
    if (!db)
        return exitCode;
    int pages = 0;
    const PrintSource source{cli.ctx().storedSerial.numberText(), programPlacesOfThisRun().konfBase};
    const PrintTable table = db->print(cli.ctx(), source, wholeRange);
    if (const QString error = writeTablePdf(pdfPath, table, &pages); !error.isEmpty()) {
        QTextStream(stderr) << error << "\n";
        return 1;
    }
    QTextStream(stdout) << pdfPath << ": " << pages
                        << (pages == 1 ? QCoreApplication::translate("FileCommands", " Seite")
                                       : QCoreApplication::translate("FileCommands", " Seiten"))
                        << "\n";
    return 0;
}

int runImportCsv(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "FileCommands",
        "Übernimmt Namen, Datenformate, Höchstgeschwindigkeiten und Symbole aus einer CSV-Datei (wie show --csv\n"
        "und \"Als CSV exportieren...\" sie schreiben) in die Datensätze einer ISD-Datei, Zeile für Zeile nach der\n"
        "Adresse (Fahrstraßen: Nummer), und speichert das Ergebnis. Eine fehlerhafte CSV-Datei ändert nichts."));
    parser.addPositionalArgument(QCoreApplication::translate("FileCommands", "datenbank"),
                                 QCoreApplication::translate("FileCommands", "loco, acc, fb oder routes"));
    parser.addPositionalArgument(QStringLiteral("csv"), QCoreApplication::translate("FileCommands", "CSV-Datei"));
    parser.addOption({{QStringLiteral("i"), QStringLiteral("input")},
                      QCoreApplication::translate("FileCommands", "ISD-Datei, in die übernommen wird."),
                      QCoreApplication::translate("FileCommands", "datei")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QCoreApplication::translate("FileCommands", "Zieldatei (ISD)."),
                      QCoreApplication::translate("FileCommands", "datei")});
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("import-csv"),
                     QCoreApplication::translate(
                         "FileCommands", "kx2ctl import-csv loco|acc|fb|routes DATEI.csv -i BASIS.isd -o NEU.isd"),
                     exitCode))
        return exitCode;
    const QStringList words = parser.positionalArguments();
    const StationDatabase* db = words.size() == 2 ? findStationDatabase(words[0]) : nullptr;
    if (!db || !parser.isSet(QStringLiteral("input")) || !parser.isSet(QStringLiteral("output"))) {
        QTextStream(stderr) << QCoreApplication::translate(
            "FileCommands", "Aufruf: kx2ctl import-csv loco|acc|fb|routes DATEI.csv -i BASIS.isd -o NEU.isd\n");
        return 2;
    }
    CliContext cli;
    if (!cli.configureForFiles())
        return 2;
    AppContext& ctx = cli.ctx();
    const QString base = parser.value(QStringLiteral("input"));
    if (const IsdLoadResult r = db->load(ctx, base); !r.ok())
        return loadError(base, r);
    const CsvImport taken = loadCsvFile(db->csv(ctx), words[1]);
    if (!taken.ok()) {
        QTextStream(stderr) << TerminalDialogs::plain(taken.error) << "\n";
        return 1;
    }
    if (const QString error = db->file(ctx).saveTo(parser.value(QStringLiteral("output"))); !error.isEmpty()) {
        QTextStream(stderr) << TerminalDialogs::plain(error) << "\n";
        return 1;
    }
    QTextStream(stdout) << QCoreApplication::translate("FileCommands", "%n Datensätze geändert, gespeichert in %1", nullptr,
                                                       taken.changedRecords)
                               .arg(parser.value(QStringLiteral("output")))
                        << "\n";
    return 0;
}

namespace {

// "1 Unterschied", "2 Unterschiede".
QString differencesText(qsizetype n)
{
    return QCoreApplication::translate("FileCommands", "%n Unterschiede", nullptr, int(n));
}

// Two backup folders, database by database: 0 all equal, 1 some differ, 2 a file unreadable.
int diffFolders(const QString& a, const QString& b)
{
    QTextStream out(stdout);
    out << "A: " << a << "\nB: " << b << "\n";
    int exitCode = 0;
    for (const BackupFolderDiff& d : diffBackupFolders(a, b)) {
        if (!d.diff.ok()) {
            QTextStream(stderr) << d.database << ": " << d.diff.error << "\n";
            exitCode = 2;
            continue;
        }
        if (d.diff.differences.isEmpty()) {
            out << d.database << QCoreApplication::translate("FileCommands", ": gleich\n");
            continue;
        }
        out << d.database << ": " << differencesText(d.diff.differences.size()) << "\n";
        for (const QString& line : d.diff.differences)
            out << "  " << line << "\n";
        exitCode = std::max(exitCode, 1);
    }
    return exitCode;
}

} // namespace

int runDiff(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "FileCommands",
        "Vergleicht zwei ISD-Dateien derselben Datenbank und nennt je Datensatz (Adresse, Fahrstraße) die\n"
        "Felder, die sich unterscheiden; zwei Ordner mit Sicherungen (kx2ctl backup) Datenbank für Datenbank.\n"
        "Ein nie geschriebener Datensatz und ein leer geschriebener gelten als verschieden, die\n"
        "Datensatznummern zählen nicht.\n"
        "Rückgabe: 0 gleich, 1 verschieden, 2 Fehler (Datei nicht lesbar, verschiedene Dateiarten)."));
    parser.addPositionalArgument(QStringLiteral("A"),
                                 QCoreApplication::translate("FileCommands", "erste ISD-Datei oder Sicherung"));
    parser.addPositionalArgument(QStringLiteral("B"),
                                 QCoreApplication::translate("FileCommands", "zweite ISD-Datei oder Sicherung"));
    int exitCode = 0;
    if (!parseOrHelp(parser, args, QStringLiteral("diff"), QStringLiteral("kx2ctl diff A.isd B.isd | ORDNER1 ORDNER2"),
                     exitCode))
        return exitCode;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        QTextStream(stderr) << QCoreApplication::translate(
            "FileCommands", "Zwei Dateien oder zwei Ordner angeben: kx2ctl diff A.isd B.isd\n");
        return 2;
    }
    if (QFileInfo(files[0]).isDir() && QFileInfo(files[1]).isDir())
        return diffFolders(files[0], files[1]);
    const IsdDiff diff = diffIsdFiles(files[0], files[1]);
    if (!diff.ok()) {
        QTextStream(stderr) << diff.error << "\n";
        return 2;
    }
    QTextStream out(stdout);
    if (diff.differences.isEmpty()) {
        out << QCoreApplication::translate("FileCommands", "Gleich.\n");
        return 0;
    }
    out << "A: " << files[0] << "\nB: " << files[1] << "\n";
    for (const QString& line : diff.differences)
        out << line << "\n";
    out << differencesText(diff.differences.size()) << ".\n";
    return 1;
}

} // namespace kx2::cli
