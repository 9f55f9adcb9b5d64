#include "editor/gui/GridCsv.h"

#include "shell/FileErrors.h"

#include <QCoreApplication>

namespace kx2 {

namespace {
QString csvFilter()
{
    return QCoreApplication::translate("GridCsv", "CSV-Datei (*.csv)|*.csv|");
}
} // namespace

GridCsv::GridCsv(FileDialog& files, std::function<CsvTable()> table, Tell tell)
    : m_files(files)
    , m_table(std::move(table))
    , m_tell(std::move(tell))
{
}

void GridCsv::exportTable(const QString& caption) const
{
    const QString path
        = m_files.saveFileName(QCoreApplication::translate("GridCsv", "Als CSV exportieren..."),
                               QString(caption).remove(QLatin1Char(':')) + QStringLiteral(".csv"), csvFilter());
    if (path.isEmpty())
        return;
    if (const QString why = saveFileWhole(path, writeCsv(m_table())); !why.isEmpty())
        m_tell(saveFailureText(path, why, SaveFailureLayout::AfterColon), MsgIcon::Critical, QString());
}

QString GridCsv::importPath() const
{
    return m_files.openFileName(QCoreApplication::translate("GridCsv", "CSV importieren..."), QString(), csvFilter());
}

CsvImport GridCsv::importTable(const QString& path) const
{
    return loadCsvFile(m_table(), path);
}

bool GridCsv::tellImport(const CsvImport& taken) const
{
    if (!taken.ok()) {
        m_tell(QCoreApplication::translate("GridCsv", "Die CSV-Datei wurde nicht übernommen, nichts geändert:")
                   + QChar(13) + taken.error,
               MsgIcon::Critical, QCoreApplication::translate("GridCsv", "CSV importieren"));
        return false;
    }
    m_tell(
        QCoreApplication::translate("GridCsv", "%n Datensätze geändert; sie werden beim nächsten Senden geschrieben.",
                                    nullptr, taken.changedRecords),
        MsgIcon::Information, QCoreApplication::translate("GridCsv", "CSV importieren"));
    return taken.changedRecords > 0;
}

} // namespace kx2
