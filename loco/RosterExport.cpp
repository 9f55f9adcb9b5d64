#include "loco/RosterExport.h"

#include "loco/FunctionKeywords.h"
#include "loco/LocoTable.h"
#include "shell/FileErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <set>

namespace kx2 {

namespace {

// Addresses up to 127 are short DCC addresses.
constexpr int LastShortAddress = 127;

RosterProtocol protocolOf(std::optional<int> code)
{
    for (int i = 0; i < LocoFormatCount; ++i)
        if (code == kLocoFormats[size_t(i)].code)
            return protocolOfFormat(i);
    return RosterProtocol::Other;
}

QString safeFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name)
        safe += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ? c : QLatin1Char('_');
    // Names Windows keeps for its devices.
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM\\d|LPT\\d)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(safe).hasMatch() ? safe + QLatin1Char('_') : safe;
}

} // namespace

std::vector<RosterEntry> jmriEntriesOf(const LocoTable& table, const FunctionKeywords& keywords, Language language)
{
    std::vector<RosterEntry> entries;
    std::set<QString> taken;
    for (int slot = 0; slot < LocoTable::SlotCount; ++slot) {
        const int a = table.address(slot);
        if (!table.holdsRecord(slot) || !LocoTable::isValidAddress(a))
            continue;
        RosterEntry e;
        e.name = table.ReadLokname(slot);
        e.address = QString::number(a);
        const std::optional<int> code = table.cell(slot, LocoTable::FormatCode);
        e.protocol = protocolOf(code);
        e.longAddress = e.protocol == RosterProtocol::Dcc && a > LastShortAddress;
        e.stationFormat = FormatCodeToText(code);
        e.maxSpeedKmh = table.maxSpeed(slot);
        for (int f = 0; f < LocoTable::FunctionCount; ++f)
            if (const QString label = keywords.labelOf(table.symbol(slot, f), language); !label.isEmpty())
                e.labels[f] = label;
        QString file = safeFileName(e.name);
        if (file.isEmpty() || taken.count(file.toCaseFolded()))
            file += QStringLiteral("_") + e.address;
        taken.insert(file.toCaseFolded());
        e.fileName = file + QStringLiteral(".xml");
        entries.push_back(e);
    }
    return entries;
}

RosterExportDone exportJmriRoster(const LocoTable& table, const FunctionKeywords& keywords, Language language,
                                  const QString& folder)
{
    const std::vector<RosterEntry> entries = jmriEntriesOf(table, keywords, language);
    const QDir dir(folder);
    const QString own = dir.filePath(QStringLiteral("roster"));
    if (!QDir().mkpath(own))
        return {0, saveFailureText(own, QCoreApplication::translate("RosterExport", "Der Ordner kann nicht angelegt werden."))};
    RosterExportDone done;
    for (const RosterEntry& e : entries) {
        const QString path = QDir(own).filePath(e.fileName);
        if (const QString why = saveFileWhole(path, writeJmriLocoFile(e)); !why.isEmpty())
            return {done.written, saveFailureText(path, why)};
        ++done.written;
    }
    const QString index = dir.filePath(QStringLiteral("roster.xml"));
    if (const QString why = saveFileWhole(index, writeJmriRoster(entries)); !why.isEmpty())
        return {done.written, saveFailureText(index, why)};
    return done;
}

} // namespace kx2
