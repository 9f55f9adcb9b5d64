#include "editor/TablePrint.h"

#include "shell/FileErrors.h"
#include "shell/ProgramFolder.h"
#include "editor/PrintLayout.h"

#include <QDate>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <QCoreApplication>

namespace kx2 {

namespace {

QFont printFont(QPaintDevice& device, bool bold)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8);
    font.setBold(bold);
    // No ligatures: "Dampflok" must come back out of the PDF as typed, for search and copy.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return QFont(font, &device);
}

} // namespace

PrintTable newPrintTable(const QString& caption, const PrintSource& source)
{
    PrintTable table;
    table.caption = caption;
    table.serial = source.serial;
    table.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    return table;
}

QImage PrintPictures::picture(const QString& relative)
{
    const auto found = m_read.constFind(relative);
    if (found != m_read.constEnd())
        return found.value();
    const QString path = findInProgramFolder(m_programFolder, relative);
    const QImage image = path.isEmpty() ? QImage() : QImage(path);
    m_read.insert(relative, image);
    return image;
}

int paintTable(QPagedPaintDevice& device, const PrintTable& table)
{
    QPainter painter(&device);
    const QFont plain = printFont(device, false);
    const QFont bold = printFont(device, true);
    const QFontMetrics plainMetrics(plain, &device);
    const QFontMetrics boldMetrics(bold, &device);
    const int line = plainMetrics.height();
    const int gap = plainMetrics.averageCharWidth();
    const int rowHeight = line + line / 3;

    // Each column as wide as its widest text, a picture taking a square.
    PrintSheet sheet;
    for (int c = 0; c < table.titles.size(); ++c)
        sheet.widths.push_back(boldMetrics.horizontalAdvance(table.titles[c]));
    for (int r = 0; r < int(table.rows.size()); ++r)
        for (int c = 0; c < table.rows[size_t(r)].size() && c < int(sheet.widths.size()); ++c) {
            const bool isPicture = !table.picture(r, c).isNull();
            const int w = isPicture ? rowHeight : plainMetrics.horizontalAdvance(table.rows[size_t(r)][c]);
            sheet.widths[size_t(c)] = std::max(sheet.widths[size_t(c)], w);
        }
    for (int& w : sheet.widths)
        w += 2 * gap;
    const QRect page = painter.viewport();
    sheet.keyColumns = table.keyColumns;
    sheet.pageWidth = page.width();
    sheet.bodyHeight = page.height() - 4 * rowHeight; // header above, page number below
    sheet.rowHeight = rowHeight;
    sheet.rowCount = int(table.rows.size());
    sheet.laneGap = 4 * gap;
    const PrintLayout layout = layOutPrint(sheet);

    // The editor's caption ends in a colon on the window ("Lok-Datensätze:"), not in the head.
    QString caption = table.caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    const QString head
        = QCoreApplication::translate("TablePrint", "%1 - Zentrale %2 - %3")
              .arg(caption,
                   table.serial.isEmpty() ? QCoreApplication::translate("TablePrint", "unbekannt") : table.serial,
                   table.date);
    for (int p = 0; p < layout.pageCount(); ++p) {
        if (p > 0)
            device.newPage();
        painter.setFont(bold);
        painter.drawText(QRect(0, 0, page.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter, head);
        painter.setFont(plain);
        painter.drawText(
            QRect(0, page.height() - rowHeight, page.width(), rowHeight), Qt::AlignCenter,
            QCoreApplication::translate("TablePrint", "Seite %1 von %2").arg(p + 1).arg(layout.pageCount()));

        const std::vector<int>& columns = layout.groups[size_t(layout.groupOfPage(p))];
        const std::vector<int>& widths = layout.groupWidths[size_t(layout.groupOfPage(p))];
        for (int lane = 0; lane < layout.lanes; ++lane) {
            const int first = layout.firstRowOfPage(p, lane);
            // A lane past the last row stays empty; the first one always shows the titles.
            if (lane > 0 && first >= int(table.rows.size()))
                break;
            const int last = std::min(first + layout.rowsPerPage, int(table.rows.size()));
            int y = 2 * rowHeight;
            for (int r = first - 1; r < last; ++r) {
                const bool titles = r == first - 1;
                painter.setFont(titles ? bold : plain);
                int x = lane * layout.laneStep;
                for (size_t i = 0; i < columns.size(); ++i) {
                    const int c = columns[i];
                    const QRect cell(x, y, widths[i], rowHeight);
                    painter.drawRect(cell);
                    const QImage picture = titles ? QImage() : table.picture(r, c);
                    if (!picture.isNull()) {
                        painter.drawImage(QRect(x + (widths[i] - line) / 2, y + (rowHeight - line) / 2, line, line),
                                          picture);
                    } else {
                        const QString text = titles ? table.titles.value(c) : table.rows[size_t(r)].value(c);
                        painter.drawText(cell.adjusted(gap, 0, -gap, 0),
                                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
                    }
                    x += widths[i];
                }
                y += rowHeight;
            }
        }
    }
    return layout.pageCount();
}

QString writeTablePdf(const QString& path, const PrintTable& table, int* pages)
{
    int count = 0;
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(table.caption);
        count = paintTable(writer, table);
    }
    if (pages)
        *pages = count;
    // The writer says nothing of a file it could not write.
    return QFileInfo(path).size() > 0 ? QString() : saveFailureText(path, QString(), SaveFailureLayout::AfterColon);
}

} // namespace kx2
