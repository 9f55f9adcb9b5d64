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
    // The file to import, asked for through the file dialog; empty when none was chosen.
    QString importPath() const;
    // Takes the file's cells into the table, or refuses the whole file; nothing is asked or told.
    CsvImport importTable(const QString& path) const;
    // Tells how many records changed, or the line and why the file was refused. True when
    // records changed.
    bool tellImport(const CsvImport& taken) const;

private:
    FileDialog& m_files;
    std::function<CsvTable()> m_table;
    Tell m_tell;
};

} // namespace kx2
