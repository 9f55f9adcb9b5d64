#pragma once
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPagedPaintDevice;

namespace kx2 {

struct CsvTable;

// A database's table as it goes onto paper or into a PDF file: the grid of an editor and
// "kx2ctl show --pdf" fill it alike.
struct PrintTable {
    QString caption;  // the editor's caption: "Lokdaten"
    QString serial;   // the station's serial number, "" while unknown
    QString date;     // "07.12.2026"
    QStringList titles;
    std::vector<QStringList> rows;
    int keyColumns = 2; // address and name, repeated on every column group
    // A cell's symbol picture, a null image where the cell shows text.
    std::function<QImage(int row, int column)> picture = {};
};

// The records of a CSV table, the key first, today's date; the key and its name lines repeat.
PrintTable printTableOfCsv(const CsvTable& csv, const QString& caption, const QString& serial);

// Paints the table onto the device's pages: a header with caption, serial number and date on
// every page, "Seite N von M" below. Returns the number of pages.
int paintTable(QPagedPaintDevice& device, const PrintTable& table);

// Writes the table as a landscape A4 PDF file. "" or why the file was not written.
QString writeTablePdf(const QString& path, const PrintTable& table, int* pages = nullptr);

} // namespace kx2
