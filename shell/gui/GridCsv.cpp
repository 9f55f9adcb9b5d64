#include "shell/gui/GridCsv.h"

#include "shell/FileErrors.h"

namespace kx2 {

namespace {
const QString kCsvFilter = QStringLiteral("CSV-Datei (*.csv)|*.csv|");
} // namespace

GridCsv::GridCsv(FileDialog& files, std::function<CsvTable()> table, Tell tell)
    : m_files(files)
    , m_table(std::move(table))
    , m_tell(std::move(tell))
{
}

void GridCsv::exportTable(const QString& caption) const
{
    const QString path = m_files.saveFileName(QStringLiteral("Als CSV exportieren..."),
                                              QString(caption).remove(QLatin1Char(':')) + QStringLiteral(".csv"), kCsvFilter);
    if (path.isEmpty())
        return;
    if (const QString why = SaveFileWhole(path, WriteCsv(m_table())); !why.isEmpty())
        m_tell(SaveFailureText(path, why, SaveFailureLayout::AfterColon), MsgIcon::Critical, QString());
}

bool GridCsv::importTable() const
{
    const QString path = m_files.openFileName(QStringLiteral("CSV importieren..."), QString(), kCsvFilter);
    if (path.isEmpty())
        return false;
    const CsvImport taken = LoadCsvFile(m_table(), path);
    if (!taken.ok()) {
        m_tell(QStringLiteral("Die CSV-Datei wurde nicht übernommen, nichts geändert:") + QChar(13) + taken.error,
               MsgIcon::Critical, QStringLiteral("CSV importieren"));
        return false;
    }
    m_tell(QStringLiteral("%1 Datensätze geändert; sie werden beim nächsten Senden geschrieben.").arg(taken.changedRecords),
           MsgIcon::Information, QStringLiteral("CSV importieren"));
    return taken.changedRecords > 0;
}

} // namespace kx2
