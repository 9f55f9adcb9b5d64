#include "app/StationBackup.h"

#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryTransfer.h"
#include "app/AppContext.h"
#include "app/StationDatabases.h"
#include "dbproto/DbProtocol.h"
#include "feedback/FeedbackFiles.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTransfer.h"
#include "records/DatabaseCommands.h"
#include "records/ProgressMeter.h"
#include "records/RecordAreas.h"
#include "routes/RouteFiles.h"
#include "routes/RouteModule.h"
#include "routes/RouteTransfer.h"
#include "shell/FileErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <set>

namespace kx2 {

namespace {

// The four databases as a backup holds them, and the station each file names.
struct BackupTables {
    LocoTable loco;
    AccessoryTable accessories;
    AddressRange accessoryRange;
    FeedbackTable feedback;
    AddressRange feedbackRange;
    RouteTables routes;
    std::array<StoredSerial, 4> serials;
};

// What a restore changes in one database: records written or erased, data formats (locomotive
// slots, accessory addresses) and route entries (route, entry) written.
struct Changes {
    std::vector<RecordWrite> records;
    std::vector<int> formats;
    std::vector<std::pair<int, int>> entries;

    int erased() const
    {
        int n = 0;
        for (const RecordWrite& w : records)
            n += w.kind == RecordWrite::Kind::Erased ? 1 : 0;
        return n;
    }
    bool empty() const { return records.empty() && formats.empty() && entries.empty(); }
    // The records (locomotives, addresses, routes) that take anything of the backup.
    int touched() const
    {
        std::set<int> rows;
        for (const RecordWrite& w : records)
            rows.insert(w.row);
        rows.insert(formats.begin(), formats.end());
        for (const auto& e : entries)
            rows.insert(e.first);
        return int(rows.size());
    }
};

using InUse = bool (*)(const RecordTable&, int);

bool locoInUse(const RecordTable& t, int row)
{
    return static_cast<const LocoTable&>(t).holdsRecord(row);
}

bool rangeInUse(const RecordTable& t, int row)
{
    return recordWritten(t, row, RangeRecordTable::RecordBytes);
}

bool routeNameInUse(const RecordTable& t, int row)
{
    return recordWritten(t, row, RouteTables::RecordBytes);
}

// Rows first..last whose record differs: held on one side only, or with other bytes behind the
// record number. A record the backup holds as never written is erased.
void planRecords(const DatabaseLayout& layout, const RecordTable& want, const RecordTable& have, int first, int last,
                 InUse inUse, std::vector<RecordWrite>& out)
{
    for (int row = first; row <= last; ++row) {
        const bool wanted = inUse(want, row);
        if (wanted != inUse(have, row)) {
            out.push_back({row, wanted ? RecordWrite::Kind::Numbered : RecordWrite::Kind::Erased});
            continue;
        }
        for (int b = 4; wanted && b < layout.recordBytes(); ++b)
            if (want.value(row, b) != have.value(row, b)) {
                out.push_back({row, RecordWrite::Kind::Numbered});
                break;
            }
    }
}

// What the command station stores of an accessory format: Motorola (143) or DCC (15).
int storedAccessoryFormat(int value)
{
    return (value & 0x80) ? 143 : 15;
}

// The last entry a read takes of a route: the start entry alone when it is 0, else the first end
// mark, else the 24th command.
int lastReadEntry(const std::array<int, RouteTables::EntryCount + 1>& entries)
{
    if (entries[RouteTables::StartEntry] == 0)
        return RouteTables::StartEntry;
    for (int j = RouteTables::StartEntry + 1; j <= RouteTables::EntryCount; ++j)
        if (entries[size_t(j)] == RouteTables::EndOfRoute)
            return j;
    return RouteTables::EntryCount;
}

std::array<Changes, 4> planChanges(const BackupTables& want, AppContext& ctx)
{
    std::array<Changes, 4> plan;
    const LocoTable& loco = ctx.loco;
    planRecords(LocoTable::Layout, want.loco, loco, 0, LocoTable::SlotCount - 1, locoInUse, plan[0].records);
    // A format belongs to an address: written where the station holds another one for it, or
    // none that a read could see.
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        const std::optional<int> code = want.loco.cell(i, LocoTable::FormatCode);
        const std::optional<int> param = want.loco.cell(i, LocoTable::FormatParam);
        if (!want.loco.holdsRecord(i) || !code || !param)
            continue;
        const std::optional<int> j = loco.findSlotByAddress(want.loco.address(i));
        if (!j || loco.cell(*j, LocoTable::FormatCode) != code || loco.cell(*j, LocoTable::FormatParam) != param)
            plan[0].formats.push_back(i);
    }
    const AddressRange& acc = want.accessoryRange;
    planRecords(AccessoryTable::Layout, want.accessories, ctx.accessories, acc.first, acc.last, rangeInUse,
                plan[1].records);
    for (int a = acc.first; a <= acc.last; ++a) {
        const std::optional<int> w = want.accessories.cell(a, AccessoryTable::Format);
        const std::optional<int> h = ctx.accessories.cell(a, AccessoryTable::Format);
        // "default" leaves the choice to the station; only DCC or Motorola can be stored.
        if (w && *w != AccessoryTable::FormatDefault && (!h || storedAccessoryFormat(*w) != storedAccessoryFormat(*h)))
            plan[1].formats.push_back(a);
    }
    planRecords(FeedbackTable::Layout, want.feedback, ctx.feedback, want.feedbackRange.first,
                want.feedbackRange.last, rangeInUse, plan[2].records);
    planRecords(RouteTables::NameLayout, want.routes.RouteNames, ctx.routes.RouteNames, 1, RouteTables::RouteCount,
                routeNameInUse, plan[3].records);
    // Entries as a read gives them; behind the station's end of a route what its module holds is
    // not known, so everything up to the backup's end is written there.
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        const auto w = want.routes.entriesAsRead(r);
        const auto h = ctx.routes.entriesAsRead(r);
        const int known = lastReadEntry(h);
        for (int j = 1; j <= lastReadEntry(w); ++j)
            if (j > known || w[size_t(j)] != h[size_t(j)])
                plan[3].entries.emplace_back(r, j);
    }
    return plan;
}

QString planLine(const StationDatabase& db, const Changes& c, size_t index)
{
    QString line = QCoreApplication::translate("StationRestore", "%1: %2, %3 löschen")
                       .arg(db.subject->nameText(),
                            QCoreApplication::translate("StationRestore", "%n Datensätze schreiben", nullptr,
                                                        int(c.records.size()) - c.erased()))
                       .arg(c.erased());
    if (!c.formats.empty())
        line += QCoreApplication::translate("StationRestore", ", %n Datenformate schreiben", nullptr,
                                            int(c.formats.size()));
    if (index == 3 && !c.entries.empty())
        line += QCoreApplication::translate("StationRestore", ", %n Fahrstraßeneinträge schreiben", nullptr,
                                            int(c.entries.size()));
    return line;
}

// The rows of `records` take the backup's bytes; an erased one holds 255, as the station will.
void takeRows(const RecordTable& want, RecordTable& have, const std::vector<RecordWrite>& records, int bytes,
              int statusColumn)
{
    for (const RecordWrite& w : records) {
        if (w.kind == RecordWrite::Kind::Erased) {
            for (int b = 0; b < bytes; ++b)
                have.set(w.row, b, 255);
            continue;
        }
        for (int b = 0; b < bytes; ++b)
            have.set(w.row, b, want.cell(w.row, b));
        // Marked until the station has it: a failure leaves it for the next send.
        have.set(w.row, statusColumn, status::Changed);
    }
}

// Reads back the pages of `records` and compares them with the table: one line for each that
// differs. 0 or the failure of a read.
int readBackRecords(DatabaseContext& ctx, const DatabaseLayout& layout, const RecordTable& have,
                    const std::vector<RecordWrite>& records, QStringList& out)
{
    RecordTable read(have.rows(), have.cols());
    int area = -1;
    for (const RecordWrite& w : records) {
        if (layout.areaOfRow(w.row) != area) {
            area = layout.areaOfRow(w.row);
            if (const int r = ctx.db.DataFlashRead(area))
                return r + layout.readOperation;
        }
        if (const int r = readRecordPages(ctx, layout.offsetOfRow(w.row), 0, layout.pagesPerRecord, read, w.row))
            return r + layout.readOperation;
        for (int b = 0; b < layout.recordBytes(); ++b)
            if (read.value(w.row, b) != have.value(w.row, b)) {
                out << QCoreApplication::translate("StationRestore", "%1 %2: gelesen anders als geschrieben").arg(layout.countUnitText()).arg(w.row);
                break;
            }
        ctx.meter.advance();
    }
    return 0;
}

class Restore {
public:
    Restore(AppContext& ctx, BackupTables& want, std::array<Changes, 4>& plan, TransferSession& s)
        : m_ctx(ctx), m_db(ctx.database), m_want(want), m_plan(plan), m_s(s), m_module(ctx.link)
    {
    }

    // Everything of the plan, the database index after new record numbers, and the check.
    bool run()
    {
        planMeter();
        if (!m_s.startWriting() || !m_s.run([this] { return ReadDatabaseIndex(m_db); }))
            return false;
        // One count over all databases, as the question named them together.
        m_ctx.meter.begin(ProgressMeter::Kind::Records, recordUnit(), total(&Changes::records));
        if (!records(LocoTable::Layout, m_want.loco, m_ctx.loco, m_plan[0]) || !settleLocomotives()
            || !rangeRecords(m_ctx.accessories, m_want.accessories, m_plan[1])
            || !rangeRecords(m_ctx.feedback, m_want.feedback, m_plan[2]) || !routeNames())
            return false;
        m_ctx.meter.begin(ProgressMeter::Kind::Formats, formatUnit(), total(&Changes::formats));
        return locoFormats() && accessoryFormats() && routeEntries() && (!anyNumbered() || m_s.writeIndex())
               && check();
    }

private:
    template <class List>
    int total(List Changes::*list) const
    {
        int n = 0;
        for (const Changes& c : m_plan)
            n += int((c.*list).size());
        return n;
    }

    // What the progress window counts: the records written of all databases, then their formats.
    static QString recordUnit() { return QCoreApplication::translate("StationRestore", "Geänderter Datensatz"); }
    static QString formatUnit() { return QCoreApplication::translate("StationRestore", "Datenformat"); }

    void planMeter()
    {
        m_ctx.meter.reset();
        m_ctx.meter.plan(ProgressMeter::Kind::Records, recordUnit(), total(&Changes::records), 4);
        m_ctx.meter.plan(ProgressMeter::Kind::Formats, formatUnit(), total(&Changes::formats));
        m_ctx.meter.plan(ProgressMeter::Kind::RouteEntries,
                         QCoreApplication::translate("RouteTransfer", "Fahrstraßeneintrag"), int(m_plan[3].entries.size()));
        if (anyNumbered())
            m_ctx.meter.planIndex();
        if (m_ctx.settings.VerifyAfterSend)
            m_ctx.meter.planCheck();
    }

    bool anyNumbered() const
    {
        for (const Changes& c : m_plan)
            for (const RecordWrite& w : c.records)
                if (w.kind == RecordWrite::Kind::Numbered)
                    return true;
        return false;
    }

    bool records(const DatabaseLayout& layout, const RecordTable& want, RecordTable& have, const Changes& c)
    {
        takeRows(want, have, c.records, layout.recordBytes(), layout.statusColumn);
        WriteSteps steps;
        steps.recordStep = writingStep(m_db, layout);
        return c.records.empty() || m_s.run([&] { return writeRecords(m_db, layout, have, c.records, steps); });
    }

    bool settleLocomotives()
    {
        LocoTable& have = m_ctx.loco;
        const Changes& c = m_plan[0];
        for (const RecordWrite& w : c.records) {
            if (w.kind == RecordWrite::Kind::Erased) {
                have.markSlotEmpty(w.row);
            } else {
                have.setStatus(w.row, LocoTable::StatusUnchanged);
                // The station holds this format for the address already, or is given it below.
                for (const int col : {LocoTable::FormatCode, LocoTable::FormatParam})
                    have.set(w.row, col, m_want.loco.cell(w.row, col));
            }
            have.set(w.row, LocoTable::FormatPending, 0);
            have.station.takeRecord(have, w.row);
            if (std::find(c.formats.begin(), c.formats.end(), w.row) == c.formats.end())
                have.station.takeFormat(have, w.row);
        }
        return true;
    }

    bool rangeRecords(RangeRecordTable& have, const RangeRecordTable& want, const Changes& c)
    {
        if (!records(have.layout(), want, have, c))
            return false;
        for (const RecordWrite& w : c.records) {
            have.set(w.row, RangeRecordTable::Status, status::Unchanged);
            have.station.takeRecord(have, w.row);
        }
        return true;
    }

    bool routeNames()
    {
        RouteTables& have = m_ctx.routes;
        if (!records(RouteTables::NameLayout, m_want.routes.RouteNames, have.RouteNames, m_plan[3]))
            return false;
        for (const RecordWrite& w : m_plan[3].records) {
            have.RouteNames.set(w.row, RouteTables::State, status::Unchanged);
            have.noteStationName(w.row);
        }
        return true;
    }

    bool locoFormats()
    {
        LocoTable& have = m_ctx.loco;
        for (const int i : m_plan[0].formats) {
            const int code = m_want.loco.value(i, LocoTable::FormatCode);
            const int param = m_want.loco.value(i, LocoTable::FormatParam);
            m_s.stepText(LocoTransfer::formatWriteStep(m_want.loco.address(i)));
            m_ctx.meter.atNext();
            if (!m_s.run([&] { return m_ctx.db.WriteLocoFormat(m_want.loco.address(i), code, param); }))
                return false;
            have.set(i, LocoTable::FormatCode, code);
            have.set(i, LocoTable::FormatParam, param);
            have.station.takeFormat(have, i);
            m_ctx.meter.advance();
        }
        return true;
    }

    bool accessoryFormats()
    {
        AccessoryTable& have = m_ctx.accessories;
        for (const int a : m_plan[1].formats) {
            DbProtocol::Format stored;
            m_s.stepText(AccessoryTransfer::formatWriteStep(a));
            m_ctx.meter.atNext();
            if (!m_s.run([&] {
                    stored = m_ctx.db.WriteAccessoryFormat(a, m_want.accessories.value(a, AccessoryTable::Format));
                    return stored.result;
                }))
                return false;
            have.set(a, AccessoryTable::Format, stored.value);
            have.set(a, AccessoryTable::FormatStatus, 0);
            have.station.takeFormat(have, a);
            m_ctx.meter.advance();
        }
        return true;
    }

    bool routeEntries()
    {
        RouteTables& have = m_ctx.routes;
        const Changes& c = m_plan[3];
        m_ctx.meter.begin(ProgressMeter::Kind::RouteEntries,
                          QCoreApplication::translate("RouteTransfer", "Fahrstraßeneintrag"), int(c.entries.size()));
        if (c.entries.empty())
            return true;
        m_s.stepText(RouteTransfer::routeDataWriteStep(c.entries.front().first));
        m_ctx.meter.atNext();
        ModuleProgramming programming(m_module);
        if (!m_s.run([&] { return programming.opened(); }))
            return false;
        for (const auto& entry : c.entries) {
            m_s.stepText(RouteTransfer::routeDataWriteStep(entry.first));
            m_ctx.meter.atNext();
            const int variable = RouteTables::variableOf(entry.first, entry.second);
            const int value = m_want.routes.entriesAsRead(entry.first)[size_t(entry.second)];
            if (!m_s.run([&] { return m_module.RouteModuleWrite(RouteModule::RouteModuleType, variable, value); }))
                return false;
            m_ctx.meter.advance();
        }
        if (!m_s.run([&] { return programming.close(); }))
            return false;
        for (const auto& [r, j] : c.entries) {
            have.RouteData[size_t(r)] = m_want.routes.entriesAsRead(r);
            have.RouteDataChanged[size_t(r)].fill(false);
            have.noteStationEntries(r);
        }
        return true;
    }

    // With "Nach dem Senden prüfen": every record, format and route entry written read back.
    bool check()
    {
        if (!m_ctx.settings.VerifyAfterSend)
            return true;
        m_s.stepText(QCoreApplication::translate("TransferSession", " Gesendete Daten prüfen"));
        int count = 0;
        for (const Changes& c : m_plan)
            count += int(c.records.size() + c.formats.size() + c.entries.size());
        m_ctx.meter.begin(ProgressMeter::Kind::Checked, QCoreApplication::translate("ReadBack", "Geprüft"), count);
        QStringList lines;
        const bool read = m_s.run([&] {
            const std::array<std::pair<const DatabaseLayout*, const RecordTable*>, 4> tables{
                std::pair{&LocoTable::Layout, static_cast<const RecordTable*>(&m_ctx.loco)},
                {&AccessoryTable::Layout, &m_ctx.accessories},
                {&FeedbackTable::Layout, &m_ctx.feedback},
                {&RouteTables::NameLayout, &m_ctx.routes.RouteNames}};
            for (size_t i = 0; i < tables.size(); ++i)
                if (const int r = readBackRecords(m_db, *tables[i].first, *tables[i].second, m_plan[i].records, lines))
                    return r;
            for (const int i : m_plan[0].formats) {
                const DbProtocol::Format f = m_ctx.db.ReadLocoFormat(m_ctx.loco.address(i));
                if (f.result != 0)
                    return f.result;
                if (f.code != m_ctx.loco.value(i, LocoTable::FormatCode)
                    || f.value != m_ctx.loco.value(i, LocoTable::FormatParam))
                    lines << QCoreApplication::translate("StationRestore", "Lok %1: Datenformat gelesen anders als geschrieben").arg(m_ctx.loco.address(i));
                m_ctx.meter.advance();
            }
            for (const int a : m_plan[1].formats) {
                const DbProtocol::Format f = m_ctx.db.ReadAccessoryFormat(a);
                if (f.result != 0)
                    return f.result;
                if (storedAccessoryFormat(f.value) != m_ctx.accessories.value(a, AccessoryTable::Format))
                    lines << QCoreApplication::translate("StationRestore", "Magnetartikel %1: Datenformat gelesen anders als geschrieben").arg(a);
                m_ctx.meter.advance();
            }
            return checkEntries(lines);
        });
        return read && m_s.noteDifferences(lines);
    }

    int checkEntries(QStringList& lines)
    {
        if (m_plan[3].entries.empty())
            return 0;
        ModuleProgramming programming(m_module);
        if (const int r = programming.opened())
            return r;
        for (const auto& [r, j] : m_plan[3].entries) {
            const RouteModule::Answer a =
                m_module.RouteModuleRead(RouteModule::RouteModuleType, RouteTables::variableOf(r, j));
            if (a.result != 0)
                return a.result;
            if (a.value != m_ctx.routes.RouteData[size_t(r)][size_t(j)])
                lines << QCoreApplication::translate("StationRestore", "Fahrstraße %1, Eintrag %2: gelesen anders als geschrieben").arg(r).arg(j);
            m_ctx.meter.advance();
        }
        return programming.close();
    }

    AppContext& m_ctx;
    DatabaseContext& m_db;
    BackupTables& m_want;
    std::array<Changes, 4>& m_plan;
    TransferSession& m_s;
    RouteModule m_module;
};

// "" or why the backup's four files cannot be loaded.
QString loadBackup(const QDir& dir, BackupTables& t)
{
    const auto& all = stationDatabases();
    std::array<IsdLoadResult, 4> loaded;
    loaded[0] = loadLocoTableFile(dir.filePath(all[0].fileName), t.loco, t.serials[0]);
    if (loaded[0].ok())
        loaded[1] = loadRangeTableFile(dir.filePath(all[1].fileName), accessoryFileFormat(), t.accessories,
                                       t.serials[1], t.accessoryRange);
    if (loaded[1].ok())
        loaded[2] = loadRangeTableFile(dir.filePath(all[2].fileName), feedbackFileFormat(), t.feedback, t.serials[2],
                                       t.feedbackRange);
    if (loaded[2].ok())
        loaded[3] = loadRouteTableFile(dir.filePath(all[3].fileName), t.routes, t.serials[3]);
    for (size_t i = 0; i < all.size(); ++i)
        if (!loaded[i].ok())
            return QStringLiteral("%1: %2%3")
                .arg(dir.filePath(all[i].fileName),
                     loaded[i].error == IsdError::WrongHeader ? isdWrongFormatText() : isdOpenErrorText(),
                     loaded[i].detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(loaded[i].detail));
    return {};
}

} // namespace

StationRunOutcome restoreStation(AppContext& ctx, const QString& folder, const RestoreOptions& options)
{
    using End = StationRunOutcome::End;
    const QDir dir(folder);
    if (!QFileInfo::exists(dir.filePath(stationBackupManifestName())))
        return {End::Failed, QCoreApplication::translate("StationRestore", "Keine Sicherung der Zentrale (%1 fehlt): %2").arg(stationBackupManifestName(), folder)};
    // A manifest without file lines (written before they were) cannot vouch for anything either.
    if (const QString name = fileNotVouchedFor(folder); !name.isEmpty())
        return {End::Failed, QCoreApplication::translate("StationRestore", "Sicherung unvollständig oder verändert: ") + name};
    BackupTables want;
    if (const QString error = loadBackup(dir, want); !error.isEmpty())
        return {End::Failed, error};

    const auto& all = stationDatabases();
    const QString title = QCoreApplication::translate("StationRestore", "Sicherung zurückspielen");
    const KeptRanges kept(ctx);
    ctx.accessoryRange = want.accessoryRange;
    ctx.feedbackRange = want.feedbackRange;
    StationRun run(ctx, options.quick);
    ReadOutcome read = run.open();
    for (size_t i = 0; i < all.size() && read.end == ReadEnd::Complete && read.result == 0; ++i)
        read = run.read(i, QCoreApplication::translate("StationRestore", "Vergleich mit der Zentrale"));
    if (read.end == ReadEnd::Cancelled)
        return {End::Cancelled, QCoreApplication::translate("StationRestore", "Abgebrochen beim Lesen der Zentrale; nichts geschrieben.")};
    if (read.result != 0)
        return {End::Failed, QCoreApplication::translate("StationRestore", "Fehler beim Lesen der Zentrale; nichts geschrieben.")};

    TransferSession& s = run.session();
    // Another station's route names carry the device code of the one they are written to.
    const std::array<int, 4> ids = s.stationIds();
    StoredSerial station;
    for (int k = 0; k < 4; ++k)
        station.set(k + 1, ids[size_t(k)]);
    const auto other = std::find_if(want.serials.begin(), want.serials.end(),
                                    [&station](const StoredSerial& f) { return f != station; });
    if (other != want.serials.end()) {
        const int code = RouteDeviceCode(s.serialNumber());
        for (int r = 1; r <= RouteTables::RouteCount; ++r)
            if (routeNameInUse(want.routes.RouteNames, r)) {
                want.routes.RouteNames.set(r, RouteTables::DeviceCodeLow, code & 255);
                want.routes.RouteNames.set(r, RouteTables::DeviceCodeLow + 1, (code >> 8) & 255);
            }
    }
    std::array<Changes, 4> plan = planChanges(want, ctx);
    QStringList lines;
    bool any = false;
    for (size_t i = 0; i < all.size(); ++i) {
        lines << planLine(all[i], plan[i], i);
        any = any || !plan[i].empty();
    }
    const QChar cr(13);
    if (!any || options.dryRun) {
        run.closeAfterRead();
        if (!any)
            return {End::Done, QCoreApplication::translate("StationRestore", "Die Zentrale entspricht der Sicherung; nichts geschrieben.")};
        return {End::Done, QCoreApplication::translate("StationRestore", "Probelauf, nichts geschrieben. Zurückspielen würde:") + cr + lines.join(cr)};
    }
    if (other != want.serials.end()) {
        // The question of every send, against the station the backup comes from.
        ctx.storedSerial = *other;
        const TransferSession::Station answer = s.checkStation(ids, title);
        ctx.storedSerial = station;
        if (answer == TransferSession::Station::Declined)
            return {End::Declined, QCoreApplication::translate("StationRestore", "Nicht gesendet: die Sicherung ist aus einer anderen Zentrale.")};
    }
    const QString question = QCoreApplication::translate("StationRestore", "Die Zentrale weicht von der Sicherung ab. Sollen die Unterschiede in der TQ7 "
                                "gespeichert werden?")
        + cr + lines.join(cr);
    if (ctx.platform.dialogs.ask(Question::StoreChanges, question, MsgButtons::YesNo, MsgIcon::None, title)
        != MsgAnswer::Yes) {
        run.closeAfterRead();
        return {End::Declined, QCoreApplication::translate("StationRestore", "Nichts gesendet.")};
    }
    ctx.meter.startRun({1});
    ctx.platform.progress.runPart(QCoreApplication::translate("StationRestore", "Zurückspielen"));
    // The status line names every database the restore writes, not what it read to compare.
    s.forgetCounts();
    for (size_t i = 0; i < all.size(); ++i)
        if (!plan[i].empty())
            s.counted(*all[i].subject, plan[i].touched());
    const bool written = Restore(ctx, want, plan, s).run();
    const SendOutcome end = written ? s.endSend() : s.failSend();
    switch (end) {
    case SendOutcome::Sent:
        ctx.rememberStations();
        break;
    case SendOutcome::Cancelled:
        return {End::Cancelled, QCoreApplication::translate("StationRestore", "Zurückspielen abgebrochen; die Zentrale ist teilweise beschrieben.")};
    default:
        return {End::Failed, QCoreApplication::translate("StationRestore", "Fehler beim Zurückspielen.")};
    }
    const QString done = ctx.settings.VerifyAfterSend ? QCoreApplication::translate("StationRestore", "Zurückgespielt und geprüft:") : QCoreApplication::translate("StationRestore", "Zurückgespielt:");
    return {End::Done, done + cr + lines.join(cr)};
}

} // namespace kx2
