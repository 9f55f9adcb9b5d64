#include "loco/RosterImport.h"

#include "loco/FunctionKeywords.h"
#include "loco/LocoEdits.h"
#include "loco/LocoTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace kx2 {

namespace {

QString entryName(const RosterEntry& e)
{
    return e.name.isEmpty()
        ? QCoreApplication::translate("RosterImport", "Lok ohne Namen (Zeile %1)").arg(e.line)
        : QCoreApplication::translate("RosterImport", "Lok \"%1\" (Zeile %2)").arg(e.name).arg(e.line);
}

QString entryRefusal(const RosterEntry& e, const QString& why)
{
    return entryName(e) + QStringLiteral(": ") + why;
}

enum class FormatFamily { None, Motorola, Dcc, Selectrix };

FormatFamily familyOf(RosterProtocol p)
{
    switch (p) {
    case RosterProtocol::Dcc:
        return FormatFamily::Dcc;
    case RosterProtocol::Motorola:
    case RosterProtocol::MotorolaOld:
        return FormatFamily::Motorola;
    case RosterProtocol::Selectrix:
        return FormatFamily::Selectrix;
    case RosterProtocol::Other:
        break;
    }
    return FormatFamily::None;
}

FormatFamily familyOfIndex(std::optional<int> index)
{
    return familyOf(protocolOfFormat(index));
}

std::optional<int> formatIndexOf(const LocoTable& table, const LocoFormatTables& formats, int slot)
{
    const std::optional<int> code = table.cell(slot, LocoTable::FormatCode);
    for (int i = 0; i < LocoFormatCount; ++i)
        if (code && formats.LocoFormatCodes[size_t(i)] == code)
            return i;
    return std::nullopt;
}

// The data format an entry gives a record whose own is `own` (nullopt: leave it).
std::optional<int> formatFor(const RosterEntry& e, std::optional<int> own)
{
    const FormatFamily family = familyOf(e.protocol);
    const std::optional<int> exported = FormatTextToIndex(e.stationFormat);
    if (exported && familyOfIndex(exported) == family)
        return exported;
    switch (e.protocol) {
    case RosterProtocol::Dcc:
        if (e.speedSteps == 14)
            return FormatDcc14;
        if (e.speedSteps == 28)
            return FormatDcc28;
        if (e.speedSteps == 128)
            return FormatDcc128;
        return familyOfIndex(own) == FormatFamily::Dcc ? own : FormatDcc28;
    case RosterProtocol::Motorola:
        return familyOfIndex(own) == FormatFamily::Motorola ? own : FormatMotorolaNew;
    case RosterProtocol::MotorolaOld:
        return FormatMotorolaOld;
    case RosterProtocol::Selectrix:
        return FormatSelectrix;
    case RosterProtocol::Other:
        break;
    }
    return std::nullopt;
}

} // namespace

RosterImportDone checkRosterImport(const LocoTable& table, const RosterFile& roster)
{
    RosterImportDone done;
    const auto refuse = [&done](const RosterEntry& e, const QString& why) {
        done.verdict = RosterImportDone::Verdict::Refused;
        done.refusal = entryRefusal(e, why);
        return done;
    };
    int free = 0;
    for (int slot = 0; slot < LocoTable::SlotCount; ++slot)
        free += table.holdsRecord(slot) ? 0 : 1;
    std::map<int, const RosterEntry*> seen;
    for (const RosterEntry& e : roster.entries) {
        if (e.address.isEmpty())
            return refuse(e, QCoreApplication::translate("RosterImport", "keine Adresse"));
        const std::optional<int> a = parseLocoAddress(e.address);
        if (!a)
            return refuse(e, QCoreApplication::translate("RosterImport", "die Adresse %1 liegt nicht im Bereich %2 bis %3 der Zentrale")
                                 .arg(e.address)
                                 .arg(LocoTable::MinAddress)
                                 .arg(LocoTable::MaxAddress));
        if (const auto [it, fresh] = seen.emplace(*a, &e); !fresh)
            return refuse(e, QCoreApplication::translate("RosterImport", "die Adresse %1 hat schon %2")
                                 .arg(*a)
                                 .arg(entryName(*it->second)));
        if (!table.findSlotByAddress(*a) && --free < 0)
            return refuse(e, QCoreApplication::translate("RosterImport", "kein freier Platz mehr, die Zentrale hat %1 Lokplätze")
                                 .arg(LocoTable::SlotCount));
        if (e.name.size() > LocoTable::NameMaxWritten)
            done.tooLong << e.name;
    }
    if (!done.tooLong.isEmpty())
        done.verdict = RosterImportDone::Verdict::NeedsConsent;
    return done;
}

RosterImportDone importRoster(LocoTable& table, const LocoFormatTables& formats, const FunctionKeywords& keywords,
                              const RosterFile& roster, bool shorten)
{
    RosterImportDone done = checkRosterImport(table, roster);
    if (done.verdict == RosterImportDone::Verdict::Refused || (!done.tooLong.isEmpty() && !shorten))
        return done;
    done.verdict = RosterImportDone::Verdict::Taken;
    done.shortened = int(done.tooLong.size());
    for (const RosterEntry& e : roster.entries) {
        const int a = *parseLocoAddress(e.address);
        // A control character (a line break written as &#10;) is no part of a name on the display.
        QString name = e.name;
        for (QChar& c : name)
            if (c.unicode() < 32)
                c = QLatin1Char(' ');
        std::optional<int> slot = table.findSlotByAddress(a);
        const bool present = slot.has_value();
        bool changed = false;
        if (present) {
            changed = storeLocoLine(table, *slot, a, name);
        } else {
            slot = addLocomotive(table, a, name).slot;
            ++done.added;
        }
        if (const std::optional<int> index = formatFor(e, formatIndexOf(table, formats, *slot)))
            changed = setLocoFormat(table, formats, *slot, *index) || changed;
        for (const auto& [function, label] : e.labels)
            if (function >= 0 && function < LocoTable::FunctionCount)
                if (const std::optional<int> symbol = keywords.symbolOf(label))
                    changed = setLocoSymbols(table, *slot, function, function, *symbol) || changed;
        // Stored halved: an odd speed goes up to the next even one.
        if (e.maxSpeedKmh && *e.maxSpeedKmh > 0)
            changed = setLocoMaxSpeed(table, *slot, std::min((*e.maxSpeedKmh + 1) / 2, 255)) || changed;
        // A new record counts as new only.
        if (present && changed)
            ++done.changed;
    }
    return done;
}

QString rosterSummaryText(const RosterImportDone& done)
{
    QString text = QCoreApplication::translate("RosterImport", "%n Lokomotiven geändert", nullptr, done.changed)
        + QStringLiteral(", ") + QCoreApplication::translate("RosterImport", "%n neu", nullptr, done.added);
    if (done.shortened > 0)
        text += QStringLiteral(", ")
            + QCoreApplication::translate("RosterImport", "%n Namen gekürzt", nullptr, done.shortened);
    return text;
}

QString rosterTooLongText(const QStringList& tooLong)
{
    return QCoreApplication::translate("RosterImport",
                                       "%n Namen sind länger als die %1 Zeichen, die ein Lokdatensatz hält:", nullptr,
                                       int(tooLong.size()))
               .arg(LocoTable::NameMaxWritten)
        + QChar(13) + tooLong.join(QChar(13));
}

QString rosterShortenQuestion(const QStringList& tooLong)
{
    return rosterTooLongText(tooLong) + QChar(13)
        + QCoreApplication::translate("RosterImport",
                                      "Sollen sie gekürzt übernommen werden? Ohne Kürzen wird nichts übernommen.");
}

} // namespace kx2
