#include "app/IsdDiff.h"

#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryTable.h"
#include "app/StationDatabases.h"
#include "records/RangeTransfer.h"
#include "records/RecordAreas.h"
#include "records/ReadBack.h"
#include "records/StoredSerial.h"
#include "feedback/FeedbackFiles.h"
#include "feedback/FeedbackTable.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTable.h"
#include "loco/LocoTransfer.h"
#include "routes/RouteCommand.h"
#include "routes/RouteFiles.h"
#include "routes/RouteTables.h"
#include "routes/RouteTransfer.h"
#include "shell/ShownCell.h"

#include <QCoreApplication>
#include <QDir>
#include <map>

namespace kx2 {

namespace {

QString textInA()
{
    return QCoreApplication::translate("IsdDiff", "in A");
}

QString textInB()
{
    return QCoreApplication::translate("IsdDiff", "in B");
}

QString loadError(const QString& path, const IsdLoadResult& r)
{
    QString text = (r.error == IsdError::WrongHeader ? isdWrongFormatText() : isdOpenErrorText()) + QStringLiteral(": ") + path;
    if (!r.detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(r.detail);
    return text;
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

void compareText(const QString& record, const QString& field, const QString& a, const QString& b, QStringList& out)
{
    if (a != b)
        out << QStringLiteral("%1: %2 %3 %4, %5 %6").arg(record, field, textInA(), quoted(a), textInB(), quoted(b));
}

// A record one file holds as never written (all bytes 0xFF), the other as written, if only its
// number: the station tells the two apart, so a comparison does too.
bool writtenInOneOnly(const QString& record, const RecordTable& a, const RecordTable& b, int row, int bytes,
                      QStringList& out)
{
    const bool inA = recordWritten(a, row, bytes);
    if (inA == recordWritten(b, row, bytes))
        return false;
    out << QCoreApplication::translate("IsdDiff", "%1: %2 nie geschrieben, %3 geschrieben")
               .arg(record, inA ? textInB() : textInA(), inA ? textInA() : textInB());
    return true;
}

// A record only one file holds.
void onlyIn(const QString& record, bool inA, const QString& name, QStringList& out)
{
    out << QCoreApplication::translate("IsdDiff", "%1: nur %2 (%3)")
               .arg(record, inA ? textInA() : textInB(), quoted(name));
}

QString diffLocos(const QString& pathA, const QString& pathB, QStringList& out)
{
    LocoTable a;
    LocoTable b;
    StoredSerial serial;
    if (const IsdLoadResult r = loadLocoTableFile(pathA, a, serial); !r.ok())
        return loadError(pathA, r);
    if (const IsdLoadResult r = loadLocoTableFile(pathB, b, serial); !r.ok())
        return loadError(pathB, r);
    // Address -> slot in each file; the slot a locomotive sits in is the station's business.
    std::map<int, std::pair<int, int>> slots;
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        if (a.holdsRecord(i))
            slots.try_emplace(a.address(i), -1, -1).first->second.first = i;
        if (b.holdsRecord(i))
            slots.try_emplace(b.address(i), -1, -1).first->second.second = i;
    }
    std::vector<RecordField> fields;
    for (const RecordField& f : locoRecordFields())
        if (f.first != LocoTable::SlotLow && f.first != LocoTable::RecordIdFirst)
            fields.push_back(f);
    for (const auto& [address, pair] : slots) {
        const QString record = QCoreApplication::translate("IsdDiff", "Lok %1").arg(address);
        const auto [ia, ib] = pair;
        if (ia < 0 || ib < 0) {
            onlyIn(record, ia >= 0, ia >= 0 ? a.ReadLokname(ia) : b.ReadLokname(ib), out);
            continue;
        }
        RecordBytes ra = rowBytes(a, ia, LocoTable::RecordBytes);
        RecordBytes rb = rowBytes(b, ib, LocoTable::RecordBytes);
        for (int k = LocoTable::RecordIdFirst; k <= LocoTable::RecordIdHigh; ++k)
            ra.erase(k), rb.erase(k);
        ra.erase(LocoTable::SlotLow), ra.erase(LocoTable::SlotHigh);
        compareRecordFields(fields, record, ra, rb, textInA(), textInB(), out);
        compareText(record, QCoreApplication::translate("IsdDiff", "Datenformat"),
                    FormatCodeToText(a.cell(ia, LocoTable::FormatCode), Wording::Shown),
                    FormatCodeToText(b.cell(ib, LocoTable::FormatCode), Wording::Shown), out);
    }
    return {};
}

QString diffRange(const QString& pathA, const QString& pathB, const RangeFileFormat& format, RangeRecordTable& a,
                  RangeRecordTable& b, const std::function<QString(const RangeRecordTable&, int)>& formatText,
                  QStringList& out)
{
    StoredSerial serial;
    AddressRange rangeA;
    AddressRange rangeB;
    if (const IsdLoadResult r = loadRangeTableFile(pathA, format, a, serial, rangeA); !r.ok())
        return loadError(pathA, r);
    if (const IsdLoadResult r = loadRangeTableFile(pathB, format, b, serial, rangeB); !r.ok())
        return loadError(pathB, r);
    const QString unit = QCoreApplication::translate("DatabaseLayout", a.layout().countUnit);
    const std::vector<RecordField> fields = rangeRecordFields();
    for (int address = std::min(rangeA.first, rangeB.first); address <= std::max(rangeA.last, rangeB.last); ++address) {
        const QString record = QStringLiteral("%1 %2").arg(unit).arg(address);
        const bool inA = rangeA.contains(address);
        if (!inA || !rangeB.contains(address)) {
            if (inA || rangeB.contains(address)) {
                const RangeRecordTable& t = inA ? a : b;
                onlyIn(record, inA, t.nameLine(address, 1), out);
            }
            continue;
        }
        if (writtenInOneOnly(record, a, b, address, RangeRecordTable::RecordBytes, out))
            continue;
        RecordBytes ra = rowBytes(a, address, RangeRecordTable::RecordBytes);
        RecordBytes rb = rowBytes(b, address, RangeRecordTable::RecordBytes);
        for (int k = 0; k < 4; ++k)
            ra.erase(k), rb.erase(k);
        compareRecordFields(fields, record, ra, rb, textInA(), textInB(), out);
        if (formatText)
            compareText(record, QCoreApplication::translate("IsdDiff", "Datenformat"), formatText(a, address),
                        formatText(b, address), out);
    }
    return {};
}

QString diffRoutes(const QString& pathA, const QString& pathB, QStringList& out)
{
    RouteTables a;
    RouteTables b;
    StoredSerial serial;
    if (const IsdLoadResult r = loadRouteTableFile(pathA, a, serial); !r.ok())
        return loadError(pathA, r);
    if (const IsdLoadResult r = loadRouteTableFile(pathB, b, serial); !r.ok())
        return loadError(pathB, r);
    std::vector<RecordField> fields;
    for (const RecordField& f : routeNameFields())
        if (f.text)
            fields.push_back(f);
    for (int n = 1; n <= RouteTables::RouteCount; ++n) {
        const QString record = QCoreApplication::translate("IsdDiff", "Fahrstraße %1").arg(n);
        const bool nameWritten = writtenInOneOnly(record, a.RouteNames, b.RouteNames, n, RouteTables::RecordBytes, out);
        RecordBytes ra = rowBytes(a.RouteNames, n, 28);
        RecordBytes rb = rowBytes(b.RouteNames, n, 28);
        for (int k = 0; k < 4; ++k)
            ra.erase(k), rb.erase(k);
        if (!nameWritten)
            compareRecordFields(fields, record, ra, rb, textInA(), textInB(), out);
        for (int j = 1; j <= RouteTables::EntryCount; ++j)
            compareText(record,
                        j == 1 ? QCoreApplication::translate("IsdDiff", "FS-Start")
                               : QCoreApplication::translate("IsdDiff", "Befehl %1").arg(j - 1),
                        FS_Befehl_to_Text(a, n, j, Wording::Shown), FS_Befehl_to_Text(b, n, j, Wording::Shown), out);
    }
    return {};
}

} // namespace

IsdDiff diffIsdFiles(const QString& pathA, const QString& pathB)
{
    QString headers[2];
    const QString paths[2] = {pathA, pathB};
    for (int k = 0; k < 2; ++k) {
        IsdReader probe;
        if (probe.open(paths[k]) != IsdError::None)
            return {{}, loadError(paths[k], {probe.error(), probe.errorDetail()})};
        headers[k] = probe.header();
    }
    if (headers[0] != headers[1])
        return {{},
                QCoreApplication::translate("IsdDiff",
                                            "Verschiedene Dateiarten, kein Vergleich: A ist \"%1\", B ist \"%2\"")
                    .arg(shownCell(headers[0]), shownCell(headers[1]))};
    IsdDiff diff;
    const QString& header = headers[0];
    if (header == isdHeaderLocoTable()) {
        diff.error = diffLocos(pathA, pathB, diff.differences);
    } else if (header == isdHeaderAccessory()) {
        AccessoryTable a;
        AccessoryTable b;
        diff.error = diffRange(pathA, pathB, accessoryFileFormat(), a, b,
                               [](const RangeRecordTable& t, int address) {
                                   return static_cast<const AccessoryTable&>(t).formatText(address);
                               },
                               diff.differences);
    } else if (header == isdHeaderFeedback()) {
        FeedbackTable a;
        FeedbackTable b;
        diff.error = diffRange(pathA, pathB, feedbackFileFormat(), a, b, nullptr, diff.differences);
    } else if (header == isdHeaderRoutes()) {
        diff.error = diffRoutes(pathA, pathB, diff.differences);
    } else {
        diff.error = QCoreApplication::translate("IsdDiff", "Keine Tabellendatei, kein Vergleich: \"%1\"").arg(shownCell(header));
    }
    return diff;
}

std::vector<BackupFolderDiff> diffBackupFolders(const QString& folderA, const QString& folderB)
{
    std::vector<BackupFolderDiff> all;
    for (const StationDatabase& db : stationDatabases())
        all.push_back({db.subject->nameText(),
                       diffIsdFiles(QDir(folderA).filePath(db.fileName), QDir(folderB).filePath(db.fileName))});
    return all;
}

} // namespace kx2
