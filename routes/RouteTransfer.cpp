#include "routes/RouteTransfer.h"

#include "records/DatabaseContext.h"
#include "records/DatabaseCommands.h"
#include "records/ProgressMeter.h"
#include "records/ReadBack.h"
#include "records/RecordAreas.h"
#include "records/StoredSerial.h"
#include "link/LocoNetLink.h"
#include "routes/RouteCommand.h"
#include "routes/RouteEdits.h"
#include "routes/RouteTables.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("RouteTransfer", "Fahrstraßen");
constexpr const DatabaseLayout& kNames = RouteTables::NameLayout;
constexpr double kRouteReadExchanges = 6;

int nameArea(int route)
{
    return kNames.firstArea + kNames.areaIndexOf(route);
}

// Where page i of a route's name record lies in its area.
int namePage(int route, int i)
{
    return RouteTables::NameRecordStride * kNames.slotOf(route) + 16 * i;
}

QString routeStep(const char* step, int route)
{
    return QCoreApplication::translate("RouteTransfer", step).arg(route);
}

// What the progress window counts: routes read, route entries written, changed names written.
QString routeUnit()
{
    return QCoreApplication::translate("RouteTransfer", "Fahrstraße");
}

QString entryUnit()
{
    return QCoreApplication::translate("RouteTransfer", "Fahrstraßeneintrag");
}

QString changedNameUnit()
{
    return QCoreApplication::translate("RouteTransfer", "Geänderter Name");
}

} // namespace

QString RouteTransfer::routeDataWriteStep(int route)
{
    return routeStep(QT_TRANSLATE_NOOP("RouteTransfer", " FS-Daten %1 schreiben"), route);
}

RouteTransfer::RouteTransfer(DatabaseContext& ctx, RouteTables& tables)
    : m_ctx(ctx), m_tables(tables), m_module(ctx.link)
{
}

ReadOutcome RouteTransfer::ReadRoutes()
{
    for (int r = 1; r <= RouteTables::RouteCount; ++r)
        m_tables.RouteNames.set(r, RouteTables::State, status::Empty);
    m_entriesRead = 0;
    forgetRecordCounter(m_ctx);
    TransferSession s(m_ctx, TransferSession::Direction::Read);
    s.about(RouteTables::Subject);
    m_ctx.meter.plan(ProgressMeter::Kind::Records, kNames.countUnitText(), RouteTables::RouteCount,
                     kNames.pagesPerRecord);
    // A route's entries are read up to its end; most routes end after a few.
    m_ctx.meter.plan(ProgressMeter::Kind::Routes, routeUnit(), RouteTables::RouteCount, kRouteReadExchanges);
    const bool opened = s.openRead();
    // What the read does not reach stays as this station last showed it.
    if (opened)
        m_tables.belongTo(StoredSerial::of(s.stationIds()));
    const bool read = opened && s.run([this] { return ReadRouteNames(); }) && s.run([this] { return ReadRouteData(); });
    s.counted(m_tables.routesInUse());
    const ReadOutcome outcome = s.endRead(read);
    if (outcome.recordsComplete())
        m_tables.SyncRouteStartAddresses();
    // A read that stopped early leaves nothing of the earlier table where it did not reach: the
    // names and entries of such routes are blank, as the other databases' rows are.
    if (outcome.end == ReadEnd::Failed || outcome.end == ReadEnd::Cancelled)
        for (int r = 1; r <= RouteTables::RouteCount; ++r) {
            if (m_tables.RouteNames.value(r, RouteTables::State) == status::Empty) {
                clearRoute(m_tables, r);
                m_tables.RouteNames.set(r, RouteTables::State, status::Empty);
            } else if (r > m_entriesRead) {
                m_tables.RouteData[size_t(r)].fill(0);
            }
        }
    if (opened)
        m_tables.rememberStation();
    return outcome;
}

int RouteTransfer::ReadRouteNames()
{
    m_ctx.meter.begin(ProgressMeter::Kind::Records, kNames.countUnitText(), RouteTables::RouteCount);
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        m_ctx.progress.setText(routeStep(QT_TRANSLATE_NOOP("RouteTransfer", " FS-Namen %1 lesen"), r));
        m_ctx.meter.at(r);
        if (kNames.slotOf(r) == 0)
            if (const int failed = loadArea(m_ctx, nameArea(r)))
                return failed + kNames.readOperation;
        if (const int failed = readWholeRecord(m_ctx, namePage(r, 0), kNames.pagesPerRecord, m_tables.RouteNames, r))
            return failed + kNames.readOperation;
        m_tables.RouteNames.set(r, RouteTables::State, status::Unchanged);
        m_tables.noteStationName(r);
        m_ctx.meter.advance();
    }
    return 0;
}

int RouteTransfer::namesToWrite() const
{
    int toWrite = 0;
    for (int r = 1; r <= RouteTables::RouteCount; ++r)
        toWrite += m_tables.RouteNames.value(r, RouteTables::State) == status::Changed ? 1 : 0;
    return toWrite;
}

int RouteTransfer::entriesToWrite() const
{
    int toWrite = 0;
    for (int r = 1; r <= RouteTables::RouteCount; ++r)
        toWrite += m_tables.lastEntryToWrite(r);
    return toWrite;
}

int RouteTransfer::WriteRouteNames()
{
    RecordTable& names = m_tables.RouteNames;
    const auto changed = [&names](int r) { return names.value(r, RouteTables::State) == status::Changed; };
    // The step text names the route; the count goes over the changed names alone, under a unit of
    // its own, so that "FS-Namen 17 schreiben" over "Geänderter Name 2 von 5" cannot be read as
    // two different names.
    m_ctx.meter.begin(ProgressMeter::Kind::Records, changedNameUnit(), namesToWrite());
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        if (!changed(r))
            continue;
        // Until the send has succeeded the station may hold the old record or the new one.
        m_tables.Station[size_t(r)].nameKnown = false;
        stampRecordId(names, r, nextRecordNumber(m_ctx), kNames.recordIdMarker);
        m_tables.prepareNameRecord(r, m_deviceCode);
    }
    // Only the areas that hold a changed record are loaded and stored, and in them only the
    // changed records written: the others keep what the station has. The names count as written
    // once their area is stored.
    std::vector<RecordWrite> writes;
    for (int r = 1; r <= RouteTables::RouteCount; ++r)
        if (changed(r))
            writes.push_back({r, RecordWrite::Kind::AsHeld});
    WriteSteps steps;
    steps.recordStep = [this](int r) {
        m_ctx.progress.setText(routeStep(QT_TRANSLATE_NOOP("RouteTransfer", " FS-Namen %1 schreiben"), r));
    };
    return writeRecords(m_ctx, kNames, names, writes, steps);
}

int RouteTransfer::ReadRouteData()
{
    for (auto& flags : m_tables.RouteDataChanged)
        flags.fill(false);
    m_ctx.meter.begin(ProgressMeter::Kind::Routes, routeUnit(), RouteTables::RouteCount);
    // A module that is absent or refuses is reported as such, before any variable is read. Its
    // programming mode is switched on for the first route: the window says so.
    const auto step = [this](int r) {
        m_ctx.progress.setText(routeStep(QT_TRANSLATE_NOOP("RouteTransfer", " FS-Daten %1 lesen"), r));
        m_ctx.meter.at(r);
    };
    step(1);
    ModuleProgramming programming(m_module);
    if (const int failed = programming.opened())
        return failed;
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        step(r);
        auto& entries = m_tables.RouteData[size_t(r)];
        // An empty route is read no further, nor anything after a route's end.
        bool ended = false;
        for (int j = 1; j <= RouteTables::EntryCount; ++j) {
            if (ended) {
                entries[size_t(j)] = RouteTables::EndOfRoute;
                continue;
            }
            const RouteModule::Answer read = m_module.RouteModuleRead(RouteModule::RouteModuleType, RouteTables::variableOf(r, j));
            if (read.result != 0)
                return read.result;
            entries[size_t(j)] = read.value;
            ended = j == RouteTables::StartEntry ? entries[size_t(j)] == 0 : entries[size_t(j)] == RouteTables::EndOfRoute;
        }
        m_tables.noteStationEntries(r);
        m_entriesRead = r;
        m_ctx.meter.advance();
    }
    return programming.close();
}

int RouteTransfer::WriteRouteData()
{
    m_ctx.meter.begin(ProgressMeter::Kind::RouteEntries, entryUnit(), entriesToWrite());
    // The module's programming mode is switched on for the first route written.
    for (int r = 1; r <= RouteTables::RouteCount; ++r)
        if (m_tables.lastEntryToWrite(r) > 0) {
            m_ctx.progress.setText(routeDataWriteStep(r));
            m_ctx.meter.atNext();
            break;
        }
    ModuleProgramming programming(m_module);
    if (const int failed = programming.opened())
        return failed;
    for (int r = 1; r <= RouteTables::RouteCount; ++r) {
        const int last = m_tables.lastEntryToWrite(r);
        if (last == 0)
            continue;
        m_ctx.progress.setText(routeDataWriteStep(r));
        // Until the send has succeeded the module may hold the route only in part.
        m_tables.Station[size_t(r)].entriesKnown = false;
        for (int j = 1; j <= last; ++j) {
            const int value = m_tables.RouteData[size_t(r)][size_t(j)];
            m_ctx.meter.atNext();
            if (const int failed = m_module.RouteModuleWrite(RouteModule::RouteModuleType, RouteTables::variableOf(r, j), value))
                return failed;
            m_sentEntries.push_back({r, j, value});
            m_ctx.meter.advance();
        }
    }
    return programming.close();
}

ReadBackDifferences RouteTransfer::readBackRouteData()
{
    ReadBackDifferences found;
    QStringList& differences = found.lines;
    m_ctx.meter.begin(ProgressMeter::Kind::Checked, QCoreApplication::translate("RouteTransfer", "Geprüft"),
                      int(m_sentEntries.size()));
    ModuleProgramming programming(m_module);
    found.result = programming.opened();
    if (found.result != 0)
        return found;
    for (const SentEntry& e : m_sentEntries) {
        const RouteModule::Answer answer =
            m_module.RouteModuleRead(RouteModule::RouteModuleType, RouteTables::variableOf(e.route, e.entry));
        found.result = answer.result;
        if (found.result != 0)
            return found;
        const int read = answer.value;
        if (read != e.value) {
            const bool start = e.entry == RouteTables::StartEntry;
            QString sent = routeEntryText(m_tables, e.value, start, Wording::Shown);
            QString got = routeEntryText(m_tables, read, start, Wording::Shown);
            // Entries that read the same ("-" for an empty place and for the end) by their codes.
            if (sent == got) {
                sent = QStringLiteral("%1 (%2)").arg(sent).arg(e.value);
                got = QStringLiteral("%1 (%2)").arg(got).arg(read);
            }
            differences << QCoreApplication::translate("RouteTransfer", "Fahrstraße %1: %2 gesendet '%3', gelesen '%4'")
                               .arg(e.route)
                               .arg(start ? QCoreApplication::translate("RouteTransfer", "FS-Start")
                                          : QCoreApplication::translate("RouteTransfer", "Befehl %1").arg(e.entry - 1),
                                    sent, got);
        }
        m_ctx.meter.advance();
    }
    found.result = programming.close();
    return found;
}

std::vector<RecordField> routeNameFields()
{
    return {{0, 3, QCoreApplication::translate("RouteTransfer", "Datensatznummer"), false},
            {4, 27, QCoreApplication::translate("RouteTransfer", "Name"), true, {}, 31},
            {RouteTables::StartAddressLow, RouteTables::StartAddressLow + 1,
             QCoreApplication::translate("RouteTransfer", "Startadresse"), false},
            {RouteTables::DeviceCodeLow, RouteTables::DeviceCodeLow + 1,
             QCoreApplication::translate("RouteTransfer", "Gerätekennung"), false},
            {RouteTables::ModuleTypeLow, RouteTables::ModuleTypeLow + 1,
             QCoreApplication::translate("RouteTransfer", "Modultyp"), false}};
}

SendOutcome RouteTransfer::SendRoutes()
{
    m_lastSendResult = 0;
    if (!m_tables.namesPending())
        return SendOutcome::NothingPending;
    TransferSession s(m_ctx, TransferSession::Direction::Send);
    s.about(RouteTables::Subject);
    s.counted(m_tables.routesPending());
    m_sentEntries.clear();
    const ReadBackNames names{RouteTables::NameRecordStride,
                              routeNameFields(),
                              [](int area, int slot) {
                                  return QCoreApplication::translate("RouteTransfer", "Fahrstraße %1")
                                      .arg((area - kNames.firstArea) * kNames.recordsPerArea + slot + 1);
                              },
                              QString(),
                              kNames.readOperation,
                              [this] { return readBackRouteData(); }};
    const SendOutcome outcome = [&] {
        if (const auto end = s.openSend(QCoreApplication::translate("RouteTransfer", kTitle),
                                        QCoreApplication::translate("RouteTransfer", kTitle), {},
                                        [this] { m_tables.markEverythingForSending(); },
                                        [this] {
                                            m_ctx.meter.plan(ProgressMeter::Kind::RouteEntries, entryUnit(),
                                                             entriesToWrite());
                                            m_ctx.meter.plan(ProgressMeter::Kind::Records, changedNameUnit(),
                                                             namesToWrite(), kNames.pagesPerRecord);
                                            m_ctx.meter.planIndex();
                                        }))
            return *end;
        s.checkAfterSend(names);
        if (!s.run([this] { return ReadDatabaseIndex(m_ctx); }))
            return s.failSend();
        m_ctx.link.Pause(0.2);
        m_deviceCode = RouteDeviceCode(s.serialNumber());
        // Every name written gets a new record number.
        const bool namesWritten = namesToWrite() > 0;
        // The module first: when it is missing or refuses, which is where a route send fails most
        // often, nothing at all has changed in the station. The record counter is stored right
        // after the name records, so that no failure can leave numbers behind that the next send
        // would hand out again.
        if (!s.run([this] { return WriteRouteData(); }) || !s.run([this] { return WriteRouteNames(); })
            || (namesWritten && !s.writeIndex()))
            return s.failSend();
        return s.endSend(0);
    }();
    m_lastSendResult = s.result();
    if (outcome == SendOutcome::Sent) {
        m_tables.belongTo(StoredSerial::of(s.stationIds()));
        m_tables.markSent();
        m_tables.rememberStation();
    }
    return outcome;
}

} // namespace kx2
