#include "shell/gui/GridPrint.h"

#include "shell/FileErrors.h"
#include "shell/gui/FlexGrid.h"

#include <QDate>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace kx2 {

GridPrint::GridPrint(const FlexGrid& grid, std::function<QString()> stationSerial)
    : m_grid(grid)
    , m_stationSerial(std::move(stationSerial))
{
}

void GridPrint::print(QPrinter& printer, const QString& caption) const
{
    QTextDocument doc;
    const QString serial = m_stationSerial ? m_stationSerial() : QString();
    QString html = QStringLiteral("<h3>%1</h3><p>Zentrale %2, %3</p>")
                       .arg(caption.toHtmlEscaped(), serial.isEmpty() ? QStringLiteral("unbekannt") : serial,
                            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"font-size:6pt\">");
    for (int r = 0; r < m_grid.Rows(); ++r) {
        // The line for a new record stays off the paper.
        bool empty = r > 0;
        for (int c = 0; c < m_grid.Cols() && empty; ++c)
            empty = m_grid.TextMatrix(r, c).isEmpty() && m_grid.CellPicture(r, c).isNull();
        if (empty)
            continue;
        html += QStringLiteral("<tr>");
        for (int c = 0; c < m_grid.Cols(); ++c) {
            const QPixmap picture = r > 0 ? m_grid.CellPicture(r, c) : QPixmap();
            QString cell;
            if (!picture.isNull()) {
                const QString name = QStringLiteral("bild-%1-%2").arg(r).arg(c);
                doc.addResource(QTextDocument::ImageResource, QUrl(name), picture.toImage());
                cell = QStringLiteral("<img src=\"%1\" height=\"16\">").arg(name);
            } else {
                cell = m_grid.TextMatrix(r, c).toHtmlEscaped();
            }
            html += (r == 0 ? QStringLiteral("<th nowrap>") : QStringLiteral("<td nowrap>")) + cell
                    + (r == 0 ? QStringLiteral("</th>") : QStringLiteral("</td>"));
        }
        html += QStringLiteral("</tr>");
    }
    doc.setHtml(html + QStringLiteral("</table>"));
    doc.print(&printer);
}

void GridPrint::printAsked(QWidget* parent, const QString& caption) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted)
        print(printer, caption);
}

QString GridPrint::savePdf(const QString& path, const QString& caption) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    print(printer, caption);
    // The printer says nothing of a file it could not write.
    return QFileInfo(path).size() > 0 ? QString() : SaveFailureText(path, QString(), SaveFailureLayout::AfterColon);
}

} // namespace kx2
