#include "editor/gui/GridPrint.h"

#include "editor/gui/FlexGrid.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace kx2 {

GridPrint::GridPrint(const FlexGrid& grid, UserDialogs& dialogs, Hooks hooks)
    : m_grid(grid)
    , m_dialogs(dialogs)
    , m_hooks(std::move(hooks))
{
}

std::vector<int> GridPrint::records(bool wholeRange) const
{
    std::vector<int> records;
    for (int line = 1; line < m_grid.Rows(); ++line) {
        const int record = m_hooks.recordOfLine(line);
        if (record >= 0 && (wholeRange || m_hooks.inUse(record)))
            records.push_back(record);
    }
    return records;
}

PrintTable GridPrint::table(bool wholeRange) const
{
    return m_hooks.table(records(wholeRange));
}

std::optional<PrintTable> GridPrint::askTable(const QString& title)
{
    const std::vector<int> used = records(false);
    const std::vector<int> all = records(true);
    if (used.size() == all.size())
        return m_hooks.table(used);
    const std::optional<bool> whole = m_dialogs.askWithOption(
        QCoreApplication::translate("GridPrint", "%1 von %2 Zeilen sind benutzt; nur sie kommen aufs Papier.")
            .arg(int(used.size()))
            .arg(int(all.size())),
        QCoreApplication::translate("GridPrint", "alle %1 Zeilen drucken").arg(int(all.size())),
        QCoreApplication::translate("GridPrint", "Druckt auch die Zeilen der Adressen (Fahrstraßen), die nichts enthalten."),
        m_wholeRange, title);
    if (!whole)
        return std::nullopt;
    m_wholeRange = *whole;
    return m_hooks.table(*whole ? all : used);
}

void GridPrint::printAsked(QWidget* parent, const PrintTable& table)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("GridPrint", "Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    paintTable(printer, table);
    QGuiApplication::restoreOverrideCursor();
}

QString GridPrint::savePdf(const QString& path, const PrintTable& table)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = writeTablePdf(path, table);
    QGuiApplication::restoreOverrideCursor();
    return error;
}

} // namespace kx2
