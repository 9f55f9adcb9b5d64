#pragma once
#include "editor/TablePrint.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace kx2 {

class FlexGrid;

// An editor's grid on paper or as a PDF file, symbol pictures included, laid out for the page
// (TablePrint) under the editor's caption, the station's serial number and the date.
class GridPrint {
public:
    // stationSerial: "" while unknown; may be empty.
    GridPrint(const FlexGrid& grid, std::function<QString()> stationSerial);

    void print(QPrinter& printer, const QString& caption) const;
    // After the print dialog ("Drucken"), when it was not cancelled.
    void printAsked(QWidget* parent, const QString& caption) const;
    // "" or why the file was not written.
    QString savePdf(const QString& path, const QString& caption) const;

    // What goes onto the paper: the grid's titles and every line that holds something.
    PrintTable table(const QString& caption) const;

private:
    const FlexGrid& m_grid;
    std::function<QString()> m_stationSerial;
};

} // namespace kx2
