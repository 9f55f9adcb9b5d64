#pragma once
#include "shell/CsvTable.h"
#include "shell/UserDialogs.h"

#include <QString>
#include <functional>

namespace kx2 {

// An editor's table as a CSV file, both ways, through the file dialog ("Als CSV exportieren...",
// "CSV importieren..."). The table's CSV form is asked for once a file has been chosen.
class GridCsv {
public:
    // How the editor shows a message: text, icon, title.
    using Tell = std::function<void(const QString& text, MsgIcon icon, const QString& title)>;
    GridCsv(FileDialog& files, std::function<CsvTable()> table, Tell tell);

    // Writes the table to a file offered under the editor's caption; a failure is told.
    void exportTable(const QString& caption) const;
    // Takes a file's cells into the table and tells how many records changed, or refuses the
    // whole file and tells the line and why. True when records changed.
    bool importTable() const;

private:
    FileDialog& m_files;
    std::function<CsvTable()> m_table;
    Tell m_tell;
};

} // namespace kx2
