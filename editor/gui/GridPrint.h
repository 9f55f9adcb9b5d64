#pragma once
#include "editor/TablePrint.h"

#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace kx2 {

class FlexGrid;
class UserDialogs;

// An editor's printout: which of its grid's lines go onto paper, in the grid's order, and the way
// there (the print dialog, the PDF file). The table itself each database builds for itself
// (LocoPrint, RangePrint, RoutePrint), as "kx2ctl show --pdf" does.
class GridPrint {
public:
    struct Hooks {
        std::function<int(int line)> recordOfLine;  // -1: none
        std::function<bool(int record)> inUse;
        std::function<PrintTable(const std::vector<int>& records)> table;
    };
    GridPrint(const FlexGrid& grid, UserDialogs& dialogs, Hooks hooks);

    // The table of the lines' records in use, or with wholeRange of every line's record.
    PrintTable table(bool wholeRange) const;
    // The same after asking, when lines are not in use, whether they are printed too (the
    // answer is offered again next time); nullopt when the user cancelled.
    std::optional<PrintTable> askTable(const QString& title);

    // After the print dialog ("Drucken"), when it was not cancelled.
    static void printAsked(QWidget* parent, const PrintTable& table);
    // "" or why the file was not written.
    static QString savePdf(const QString& path, const PrintTable& table);

private:
    std::vector<int> records(bool wholeRange) const;

    const FlexGrid& m_grid;
    UserDialogs& m_dialogs;
    Hooks m_hooks;
    bool m_wholeRange = false;
};

} // namespace kx2
