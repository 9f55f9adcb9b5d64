#include "records/ReadBack.h"

#include "records/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "records/NameLines.h"
#include "records/ProgressMeter.h"
#include "records/RecordTable.h"
#include "dbproto/WrittenData.h"
#include "shell/Cp1252.h"

#include <map>
#include <set>
#include <QCoreApplication>

namespace kx2 {

namespace {

QString fieldText(const RecordBytes& bytes, const RecordField& f)
{
    if (f.text) {
        const auto at = [&bytes](int b) {
            const auto it = bytes.find(b);
            return it == bytes.end() ? 0 : it->second & 0xFF;
        };
        QStringList lines;
        if (f.lineSearchEnd < 0) {
            QByteArray raw;
            for (int b = f.first; b <= f.last && at(b) != 0; ++b)
                raw.append(char(at(b)));
            lines << fromCp1252(raw);
        } else {
            // The editor's own reading, so that both show the same.
            RecordTable record(1, f.lineSearchEnd + 1);
            for (int b = 0; b <= f.lineSearchEnd; ++b)
                record.set(0, b, at(b));
            lines << NameLines::read(record, 0, 1, f.lineSearchEnd) << NameLines::read(record, 0, 2, f.lineSearchEnd);
            // An empty second line is left out.
            if (lines.last().isEmpty())
                lines.removeLast();
        }
        // A control byte shows as \xNN: two texts that differ in one never read the same.
        QString text;
        for (const QChar c : lines.join(QStringLiteral(" / ")))
            text += c.unicode() >= 32 ? QString(c)
                                      : QStringLiteral("\\x")
                    + QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    qulonglong v = 0;
    for (int b = f.last; b >= f.first; --b) {
        const auto it = bytes.find(b);
        v = (v << 8) | qulonglong(it == bytes.end() ? 0 : it->second & 0xFF);
    }
    return f.show ? f.show(v) : QString::number(v);
}

// The field that holds byte b; a byte outside every field is a field of its own.
RecordField fieldOf(const std::vector<RecordField>& fields, int b)
{
    for (const RecordField& f : fields)
        if (b >= f.first && b <= f.last)
            return f;
    return {b, b, QCoreApplication::translate("ReadBack", "Byte %1").arg(b), false};
}

QString formatLine(const ReadBackNames& names, int address, const QString& sent, const QString& read)
{
    return QCoreApplication::translate("ReadBack", "%1 %2: Datenformat gesendet %3, gelesen %4")
        .arg(names.formatOwner)
        .arg(address)
        .arg(sent, read);
}

} // namespace

RecordBytes rowBytes(const RecordTable& table, int row, int count)
{
    RecordBytes bytes;
    for (int b = 0; b < count; ++b)
        bytes[b] = table.value(row, b);
    return bytes;
}

void compareRecordFields(const std::vector<RecordField>& fields, const QString& record, const RecordBytes& a,
                         const RecordBytes& b, const QString& wordA, const QString& wordB, QStringList& out)
{
    std::set<int> reported;  // first byte of every field already reported
    for (const auto& [at, value] : a) {
        const auto it = b.find(at);
        if (it == b.end() || it->second == value)
            continue;
        const RecordField f = fieldOf(fields, at);
        if (!reported.insert(f.first).second)
            continue;
        const QString textA = fieldText(a, f);
        const QString textB = fieldText(b, f);
        if (f.text && textA == textB)
            continue;
        out << QStringLiteral("%1: %2 %3 %4, %5 %6").arg(record, f.name, wordA, textA, wordB, textB);
    }
}

ReadBackDifferences readBackWritten(DatabaseContext& ctx, const WrittenData& written, const ReadBackNames& names)
{
    DbProtocol& db = ctx.db;
    const int stride = names.recordStride;
    int records = 0;
    for (const auto& [area, pages] : written.areas) {
        std::set<int> slots;
        for (const WrittenData::Page& p : pages)
            slots.insert(p.offset / stride);
        records += int(slots.size());
    }
    ctx.meter.begin(ProgressMeter::Kind::Checked, QCoreApplication::translate("ReadBack", "Geprüft"),
                    records + int(written.locoFormats.size() + written.accessoryFormats.size()));
    ReadBackDifferences found;
    QStringList& differences = found.lines;
    for (const auto& [area, pages] : written.areas) {
        if (const int r = db.DataFlashRead(area)) {
            found.result = r + names.readOperation;
            return found;
        }
        std::map<int, std::pair<RecordBytes, RecordBytes>> bySlot;
        for (const WrittenData::Page& page : pages) {
            const DbProtocol::PageRead got = db.ReadRecord(page.offset);
            if (got.result != 0) {
                found.result = got.result + names.readOperation;
                return found;
            }
            for (int k = 0; k < 16; ++k) {
                const int at = page.offset + k;
                auto& [sent, read] = bySlot[at / stride];
                sent[at % stride] = page.bytes[size_t(k)];
                read[at % stride] = got.page[size_t(k)] & 0xFF;
            }
        }
        for (const auto& [slot, bytes] : bySlot) {
            compareRecordFields(names.fields, names.record(area, slot), bytes.first, bytes.second,
                                QCoreApplication::translate("ReadBack", "gesendet"),
                                QCoreApplication::translate("ReadBack", "gelesen"), differences);
            ctx.meter.advance();
        }
    }
    for (const WrittenData::LocoFormat& f : written.locoFormats) {
        const DbProtocol::Format read = db.ReadLocoFormat(f.address);
        if (read.result != 0) {
            found.result = read.result;
            return found;
        }
        if (read.code != f.code || read.value != f.value)
            differences << formatLine(names, f.address, QStringLiteral("%1/%2").arg(f.code).arg(f.value),
                                      QStringLiteral("%1/%2").arg(read.code).arg(read.value));
        ctx.meter.advance();
    }
    for (const WrittenData::AccessoryFormat& f : written.accessoryFormats) {
        const DbProtocol::Format read = db.ReadAccessoryFormat(f.address);
        if (read.result != 0) {
            found.result = read.result;
            return found;
        }
        if (read.value != f.value)
            differences << formatLine(names, f.address, QString::number(f.value), QString::number(read.value));
        ctx.meter.advance();
    }
    return found;
}

} // namespace kx2
