#pragma once
#include <QHash>
#include <QPair>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;

namespace kx2 {

// A database's table as it goes onto paper or into a PDF file. Each database builds its own
// (LocoPrint, RangePrint, RoutePrint); an editor's "Drucken..." and "Als PDF speichern..." and
// "kx2ctl show --pdf" print what it built, so the same file gives the same pages.
struct PrintTable {
    QString caption;  // the editor's caption: "Lok-Datensätze:" (a colon at its end is left off)
    QString serial;   // the station's serial number, "" while unknown
    QString date;     // "07.12.2026"
    QStringList titles;
    std::vector<QStringList> rows;
    int keyColumns = 2; // address and name, repeated on every column group
    // A cell's symbol picture, by row and column; a cell without one shows its text.
    QHash<QPair<int, int>, QImage> pictures = {};

    QImage picture(int row, int column) const { return pictures.value({row, column}); }
};

// Where a printout is made: the station's serial number ("" while unknown) and the folder the
// symbol pictures lie under.
struct PrintSource {
    QString serial;
    QString programFolder;
};

// A table with its caption, the source's serial number and today's date, and nothing in it yet.
PrintTable newPrintTable(const QString& caption, const PrintSource& source);

// The symbol pictures of a printout, each file under the program folder read once; a null
// image where the file is missing or unreadable.
class PrintPictures {
public:
    explicit PrintPictures(const QString& programFolder) : m_programFolder(programFolder) {}
    // relative: as the program names it, "Konf/Fkt_Symbole/S3.bmp".
    QImage picture(const QString& relative);

private:
    QString m_programFolder;
    QHash<QString, QImage> m_read;
};

// Paints the table onto the device's pages: a header with caption, serial number and date on
// every page, "Seite N von M" below. Returns the number of pages.
int paintTable(QPagedPaintDevice& device, const PrintTable& table);

// Writes the table as a landscape A4 PDF file. "" or why the file was not written.
QString writeTablePdf(const QString& path, const PrintTable& table, int* pages = nullptr);

} // namespace kx2
