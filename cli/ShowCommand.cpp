#include "cli/Commands.h"

#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryTable.h"
#include "records/IsdFile.h"
#include "feedback/FeedbackFiles.h"
#include "feedback/FeedbackTable.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTable.h"
#include "records/StoredSerial.h"
#include "routes/RouteCommand.h"
#include "routes/RouteFiles.h"
#include "shell/ShownCell.h"

#include <QTextStream>
#include <functional>
#include <vector>
#include <QCoreApplication>

// kx2ctl show FILE.isd: the records of a file of any database, as its editor would list them
// after loading it.
namespace kx2::cli {

namespace {

const char* const kShowUsage = QT_TRANSLATE_NOOP(
    "ShowCommand",
    "Aufruf: kx2ctl show DATEI.ISD [--csv | --pdf AUSGABE.PDF [--all]]\n"
    "\n"
    "Zeigt die Datensätze einer ISD-Datei:\n"
    "  Lokdaten (\"KX2-Lokdaten Version 1.0\") und ein Lokdatensatz (\"KX2-Lokdatensatz Version 1.0\"):\n"
    "    Platz, Adresse, Name, Datenformat, Höchstgeschwindigkeit und die Symbole der Funktionen\n"
    "    f0 bis f28 (\"-\" = kein Symbol);\n"
    "  Magnetartikel (\"KX2-Magnetartikeldaten Version 1.0\") und Rückmelder\n"
    "    (\"KX2-Rückmelderdaten Version 1.0\"): Adressbereich, dann je Adresse die beiden\n"
    "    Namenszeilen, das Symbol und (Magnetartikel) das Datenformat;\n"
    "  Fahrstraßen (\"KX2-Fahrstraßendaten Version 1.0\"): je Fahrstraße mit Namen oder Start\n"
    "    die beiden Namenszeilen, der Start und die Befehle bis zum letzten, wie der Editor sie zeigt.\n"
    "\n"
    "Optionen:\n"
    "  --csv       die Tabelle als CSV (UTF-8, ';' getrennt), wie \"Als CSV exportieren...\" im Editor\n"
    "  --pdf AUSGABE.PDF  die Tabelle als PDF-Datei, wie \"Als PDF speichern\" im Editor: die benutzten\n"
    "              Datensätze, Adressen und Namen auf jeder Seite, Kopf mit Seriennummer und Datum,\n"
    "              \"Seite N von M\" darunter; Fahrstraßen je eine Spalte\n"
    "  --all       mit --pdf: jede Adresse des Adressbereichs (jede Fahrstraße), auch unbenutzte\n"
    "  -h, --help  diese Hilfe\n"
    "\n"
    "Rückgabe: 0 gelesen, 1 Datei falsch oder nicht lesbar, 2 falscher Aufruf.\n");

QString cellText(std::optional<int> v)
{
    return v ? QString::number(*v) : QStringLiteral("-");
}

// Right-aligned for a positive width, left-aligned for a negative one.
QString pad(const QString& text, int width)
{
    return width < 0 ? text.leftJustified(-width) : text.rightJustified(width);
}

void printHead(QTextStream& out)
{
    out << pad(QCoreApplication::translate("ShowCommand", "Platz"), 5) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "Adr."), 5) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "Name"), -24) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "D-For."), -12) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "max.Geschw."), 11);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        out << ' ' << pad(QStringLiteral("f") + QString::number(f), 3);
    out << "\n";
}

void printLoco(QTextStream& out, const LocoTable& table, int row, const QString& slotText)
{
    const QString format = FormatCodeToText(table.cell(row, LocoTable::FormatCode), Wording::Shown);
    out << pad(slotText, 5) << ' ' << pad(QString::number(table.address(row)), 5) << ' '
        << pad(table.ReadLokname(row), -24) << ' ' << pad(format.isEmpty() ? QStringLiteral("-") : format, -12) << ' '
        << pad(QString::number(table.maxSpeed(row)), 11);
    for (int f = 0; f < LocoTable::FunctionCount; ++f) {
        const int s = table.symbol(row, f);
        out << ' ' << pad(s == 0 ? QStringLiteral("-") : QString::number(s), 3);
    }
    out << "\n";
}

// The records of an accessory or feedback file, one line per address.
int showRange(QTextStream& out, QTextStream& err, const QString& path, const QString& header,
              const RangeFileFormat& format, RangeRecordTable& table, const std::function<QString(int)>& formatOf);

// The routes of a route file that have a name or a start entry.
int showRoutes(QTextStream& out, QTextStream& err, const QString& path, const QString& header);

int fileError(QTextStream& err, const QString& path, IsdError error, const QString& detail)
{
    err << (error == IsdError::WrongHeader ? isdWrongFormatText() : isdOpenErrorText()) << ": " << path;
    if (!detail.isEmpty())
        err << " (" << detail << ")";
    err << "\n";
    return 1;
}

} // namespace

int runShow(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList files;
    bool csv = false;
    bool all = false;
    QString pdf;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--csv")) {
            csv = true;
            continue;
        }
        if (a == QLatin1String("--all")) {
            all = true;
            continue;
        }
        if (a == QLatin1String("--pdf") && i + 1 < args.size()) {
            pdf = args[++i];
            continue;
        }
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            out << QCoreApplication::translate("ShowCommand", kShowUsage);
            return 0;
        }
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            err << QCoreApplication::translate("ShowCommand", "Unbekannte Option: ") << a << "\n"
                << QCoreApplication::translate("ShowCommand", kShowUsage);
            return 2;
        }
        files << a;
    }
    // The whole range is a choice of the printout alone.
    if (files.size() != 1 || (all && pdf.isEmpty())) {
        err << QCoreApplication::translate("ShowCommand", kShowUsage);
        return 2;
    }
    const QString path = files.first();
    if (csv)
        return showCsv(path);
    if (!pdf.isEmpty())
        return showPdf(path, pdf, all);

    QString header;
    {
        IsdReader probe;
        if (probe.open(path) != IsdError::None)
            return fileError(err, path, probe.error(), probe.errorDetail());
        header = probe.header();
    }

    LocoTable table;
    if (header == isdHeaderLocoTable()) {
        StoredSerial serial;
        const IsdLoadResult r = loadLocoTableFile(path, table, serial);
        if (!r.ok())
            return fileError(err, path, r.error, r.detail);
        std::vector<int> rows;
        for (int i = 0; i < LocoTable::SlotCount; ++i)
            if (table.holdsRecord(i))
                rows.push_back(i);
        out << QCoreApplication::translate("ShowCommand", "Datei: ") << path << "\n"
            << QCoreApplication::translate("ShowCommand", "Inhalt: ") << header << "\n"
            << QCoreApplication::translate("ShowCommand", "Seriennummer (Werte 1..4): ") << cellText(serial.value(1))
            << " " << cellText(serial.value(2)) << " " << cellText(serial.value(3)) << " " << cellText(serial.value(4))
            << "\n"
            << QCoreApplication::translate("ShowCommand", "Lokomotiven: ") << rows.size() << "\n\n";
        printHead(out);
        for (int i : rows)
            printLoco(out, table, i, QString::number(i));
        return 0;
    }
    if (header == isdHeaderLocoRecord()) {
        LocoRow record;
        const IsdLoadResult r = readLocoRecordFile(path, record);
        if (!r.ok())
            return fileError(err, path, r.error, r.detail);
        for (int col = 0; col < LocoTable::Cols; ++col)
            table.set(0, col, record[size_t(col)]);
        out << QCoreApplication::translate("ShowCommand", "Datei: ") << path << "\n"
            << QCoreApplication::translate("ShowCommand", "Inhalt: ") << header << "\n\n";
        printHead(out);
        printLoco(out, table, 0, QStringLiteral("-"));
        return 0;
    }
    if (header == isdHeaderAccessory()) {
        AccessoryTable accessories;
        return showRange(out, err, path, header, accessoryFileFormat(), accessories,
                         [&accessories](int a) { return accessories.formatText(a); });
    }
    if (header == isdHeaderFeedback()) {
        FeedbackTable feedback;
        return showRange(out, err, path, header, feedbackFileFormat(), feedback, nullptr);
    }
    if (header == isdHeaderRoutes())
        return showRoutes(out, err, path, header);
    return fileError(
        err, path, IsdError::WrongHeader,
        QCoreApplication::translate("ShowCommand", "Zeile 1: \"%1\" ist keine Datei dieses Programms").arg(shownCell(header)));
}

namespace {

int showRange(QTextStream& out, QTextStream& err, const QString& path, const QString& header,
              const RangeFileFormat& format, RangeRecordTable& table, const std::function<QString(int)>& formatOf)
{
    StoredSerial serial;
    AddressRange range;
    const IsdLoadResult r = loadRangeTableFile(path, format, table, serial, range);
    if (!r.ok())
        return fileError(err, path, r.error, r.detail);
    out << QCoreApplication::translate("ShowCommand", "Datei: ") << path << "\n"
        << QCoreApplication::translate("ShowCommand", "Inhalt: ") << header << "\n"
        << QCoreApplication::translate("ShowCommand", "Seriennummer (Werte 1..4): ") << cellText(serial.value(1)) << " "
        << cellText(serial.value(2)) << " " << cellText(serial.value(3)) << " " << cellText(serial.value(4)) << "\n"
        << QCoreApplication::translate("ShowCommand", "Adressbereich: ") << range.first
        << QCoreApplication::translate("ShowCommand", " bis ") << range.last << "\n\n"
        << pad(QCoreApplication::translate("ShowCommand", "Adr."), 5) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "Name Zeile1"), -23) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "Name Zeile2"), -23) << ' '
        << pad(QCoreApplication::translate("ShowCommand", "Symbol"), 6);
    if (formatOf)
        out << ' ' << QCoreApplication::translate("ShowCommand", "D-For.");
    out << "\n";
    for (int a = range.first; a <= range.last; ++a) {
        const int symbol = table.shownSymbol(a);
        out << pad(QString::number(a), 5) << ' ' << pad(table.nameLine(a, 1), -23) << ' '
            << pad(table.nameLine(a, 2), -23) << ' ' << pad(symbol ? QString::number(symbol) : QStringLiteral("-"), 6);
        if (formatOf)
            out << ' ' << formatOf(a);
        out << "\n";
    }
    return 0;
}

int showRoutes(QTextStream& out, QTextStream& err, const QString& path, const QString& header)
{
    RouteTables tables;
    StoredSerial serial;
    const IsdLoadResult r = loadRouteTableFile(path, tables, serial);
    if (!r.ok())
        return fileError(err, path, r.error, r.detail);
    std::vector<int> shown;
    int started = 0;
    for (int n = 1; n <= RouteTables::RouteCount; ++n) {
        started += tables.holdsRoute(n) ? 1 : 0;
        if (tables.holdsRoute(n) || !tables.ReadFSname(1, n).isEmpty() || !tables.ReadFSname(2, n).isEmpty())
            shown.push_back(n);
    }
    out << QCoreApplication::translate("ShowCommand", "Datei: ") << path << "\n"
        << QCoreApplication::translate("ShowCommand", "Inhalt: ") << header << "\n"
        << QCoreApplication::translate("ShowCommand", "Seriennummer (Werte 1..4): ") << cellText(serial.value(1)) << " "
        << cellText(serial.value(2)) << " " << cellText(serial.value(3)) << " " << cellText(serial.value(4)) << "\n"
        << QCoreApplication::translate("ShowCommand", "Fahrstraßen mit Start: ") << started << "\n";
    for (int n : shown) {
        // The commands up to the last one that says something; what follows shows "-".
        QStringList commands;
        int last = 0;
        for (int j = 2; j <= RouteTables::EntryCount; ++j) {
            commands << FS_Befehl_to_Text(tables, n, j, Wording::Shown);
            if (commands.back() != QLatin1String("-"))
                last = j - 1;
        }
        out << "\n"
            << pad(QString::number(n), 2) << "  \"" << tables.ReadFSname(1, n) << "\" \"" << tables.ReadFSname(2, n)
            << "\"\n"
            << QCoreApplication::translate("ShowCommand", "    FS-Start: ") << FS_Befehl_to_Text(tables, n, 1, Wording::Shown) << "\n";
        for (int c = 1; c <= last; ++c)
            out << QCoreApplication::translate("ShowCommand", "    Befehl") << pad(QString::number(c), 2) << ": "
                << commands[c - 1] << "\n";
    }
    return 0;
}

} // namespace

} // namespace kx2::cli
