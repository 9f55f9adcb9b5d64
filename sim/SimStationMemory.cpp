#include "sim/SimCommandStation.h"

#include "shell/Cp1252.h"
#include "shell/FileErrors.h"
#include "shell/InputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <QCoreApplication>

// The command station's memory: flash areas, serial number, data-format table, the state file
// and the seeded locomotive database.
namespace kx2::sim {

namespace {
const char* const kStateKind = "kx2sim-state";
constexpr int kStateVersion = 1;
constexpr int kSerialArea = 63;
constexpr int kSerialPosition = 252;  // page 240, page bytes 12..15 = D4, D3, D2, D1
constexpr int kIndexArea = 964;
} // namespace

QByteArray SimCommandStation::area(Flash kind, int number) const
{
    const auto& map = areas(kind);
    const auto it = map.find(number);
    return it == map.end() ? QByteArray(areaSize(kind), char(0xFF)) : it->second;
}

void SimCommandStation::setArea(Flash kind, int number, const QByteArray& bytes)
{
    QByteArray a = bytes.left(areaSize(kind));
    if (a.size() < areaSize(kind))
        a += QByteArray(areaSize(kind) - a.size(), char(0xFF));
    // Fresh memory is all 0xFF; such an area is not kept.
    if (a == QByteArray(areaSize(kind), char(0xFF)))
        areas(kind).erase(number);
    else
        areas(kind)[number] = a;
}

void SimCommandStation::setSerial(const std::array<int, 4>& d)
{
    QByteArray a = area(Flash::Sam, kSerialArea);
    a[kSerialPosition + 0] = char(d[3]);
    a[kSerialPosition + 1] = char(d[2]);
    a[kSerialPosition + 2] = char(d[1]);
    a[kSerialPosition + 3] = char(d[0]);
    setArea(Flash::Sam, kSerialArea, a);
}

std::array<int, 4> SimCommandStation::serialBytes() const
{
    const QByteArray a = area(Flash::Sam, kSerialArea);
    auto at = [&](int i) { return int(static_cast<unsigned char>(a.at(kSerialPosition + i))); };
    return {at(3), at(2), at(1), at(0)};
}

std::array<int, 4> SimCommandStation::serialBytesFor(unsigned serialNumber)
{
    const unsigned n = serialNumber >= 1200000000u ? serialNumber - 1200000000u : 0u;
    return {0, int((n >> 16) & 0x3F), int((n >> 8) & 0xFF), int(n & 0xFF)};
}

double SimCommandStation::serialNumber() const
{
    const auto d = serialBytes();
    return 1200000000.0 + double(d[1] & 0x3F) * 65536.0 + double(d[2]) * 256.0 + double(d[3]);
}

std::pair<int, int> SimCommandStation::locoFormat(int address) const
{
    const auto it = m_locoFormats.find(address);
    return it == m_locoFormats.end() ? std::make_pair(DefaultLocoFormatCode, DefaultLocoFormatParam) : it->second;
}

void SimCommandStation::setLocoFormat(int address, int code, int value)
{
    m_locoFormats[address] = {code & 0xFF, value & 0xFF};
}

int SimCommandStation::accessoryFormat(int address) const
{
    const auto it = m_accessoryFormats.find(address);
    return it == m_accessoryFormats.end() ? DefaultAccessoryFormat : it->second;
}

void SimCommandStation::setAccessoryFormat(int address, int value)
{
    m_accessoryFormats[address] = value & 0xFF;
}

bool SimCommandStation::saveState()
{
    if (m_config.statePath.isEmpty())
        return true;
    QString error;
    if (!saveState(m_config.statePath, &error)) {
        note(QCoreApplication::translate("SimStationMemory", "Zustand nicht gespeichert: ") + error);
        return false;
    }
    return true;
}

bool SimCommandStation::saveState(const QString& path, QString* error) const
{
    QJsonObject root;
    root[QStringLiteral("kind")] = QLatin1String(kStateKind);
    root[QStringLiteral("version")] = kStateVersion;
    auto areasJson = [](const std::map<int, QByteArray>& map) {
        QJsonObject o;
        for (const auto& [number, bytes] : map)
            o[QString::number(number)] = QString::fromLatin1(bytes.toHex().toUpper());
        return o;
    };
    root[QStringLiteral("samFlash")] = areasJson(m_sam);
    root[QStringLiteral("dataFlash")] = areasJson(m_data);
    QJsonObject loco;
    for (const auto& [address, f] : m_locoFormats)
        loco[QString::number(address)] = QJsonArray{f.first, f.second};
    root[QStringLiteral("locoFormats")] = loco;
    QJsonObject acc;
    for (const auto& [address, v] : m_accessoryFormats)
        acc[QString::number(address)] = v;
    root[QStringLiteral("accessoryFormats")] = acc;
    QJsonObject routes;
    for (const auto& [number, v] : m_routeModule->variables())
        routes[QString::number(number)] = v;
    root[QStringLiteral("routeModule")] = routes;

    // The user's configuration folder may not exist yet on an installed program's first run.
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (QString refused = saveTargetRefusal(path); !refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool SimCommandStation::loadState(const QString& path, QString* error)
{
    auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!QFile::exists(path)) {
        if (error)
            error->clear();
        return false;
    }
    const InputFileBytes in = readInputFile(path);
    if (!in.ok())
        return fail(in.error);
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(in.bytes, &parseError);
    if (doc.isNull() || !doc.isObject())
        return fail(QCoreApplication::translate("SimStationMemory", "kein JSON-Objekt: ") + parseError.errorString());
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("kind")).toString() != QLatin1String(kStateKind)
        || root.value(QStringLiteral("version")).toInt() != kStateVersion)
        return fail(QCoreApplication::translate("SimStationMemory", "keine Zustandsdatei der simulierten Zentrale"));

    // Everything is checked before anything is taken, so a bad file leaves the memory as it was.
    std::map<int, QByteArray> sam, data;
    auto readAreas = [&](const QString& key, Flash kind, std::map<int, QByteArray>& out) {
        const QJsonObject o = root.value(key).toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            bool ok = false;
            const int number = it.key().toInt(&ok);
            const QByteArray hexText = it.value().toString().toLatin1();
            const QByteArray bytes = QByteArray::fromHex(hexText);
            if (!ok || number < 0 || number > 0xFFFF || hexText.size() != 2 * areaSize(kind)
                || bytes.size() != areaSize(kind))
                return false;
            out[number] = bytes;
        }
        return true;
    };
    if (!readAreas(QStringLiteral("samFlash"), Flash::Sam, sam)
        || !readAreas(QStringLiteral("dataFlash"), Flash::Data, data))
        return fail(QCoreApplication::translate("SimStationMemory", "Bereich mit falscher Nummer oder Länge"));
    std::map<int, std::pair<int, int>> loco;
    const QJsonObject lo = root.value(QStringLiteral("locoFormats")).toObject();
    for (auto it = lo.begin(); it != lo.end(); ++it) {
        bool ok = false;
        const int address = it.key().toInt(&ok);
        const QJsonArray pair = it.value().toArray();
        if (!ok || pair.size() != 2)
            return fail(QCoreApplication::translate("SimStationMemory", "Lokdatenformat falsch: ") + it.key());
        loco[address] = {pair.at(0).toInt() & 0xFF, pair.at(1).toInt() & 0xFF};
    }
    std::map<int, int> acc;
    const QJsonObject ao = root.value(QStringLiteral("accessoryFormats")).toObject();
    for (auto it = ao.begin(); it != ao.end(); ++it) {
        bool ok = false;
        const int address = it.key().toInt(&ok);
        if (!ok || !it.value().isDouble())
            return fail(QCoreApplication::translate("SimStationMemory", "Magnetartikelformat falsch: ") + it.key());
        acc[address] = it.value().toInt() & 0xFF;
    }
    std::map<int, int> routeVariables;
    const QJsonObject ro = root.value(QStringLiteral("routeModule")).toObject();
    for (auto it = ro.begin(); it != ro.end(); ++it) {
        bool ok = false;
        const int number = it.key().toInt(&ok);
        const int v = it.value().toInt(-1);
        if (!ok || number < SimRouteModule::FirstVariable || number > SimRouteModule::LastVariable
            || !it.value().isDouble() || v < 0 || v > 0xFFFF)
            return fail(QCoreApplication::translate("SimStationMemory", "Variable des FS-Moduls falsch: ") + it.key());
        if (v != 0)
            routeVariables[number] = v;
    }
    m_sam = std::move(sam);
    m_data = std::move(data);
    m_routeModule->setVariables(std::move(routeVariables));
    m_locoFormats = std::move(loco);
    m_accessoryFormats = std::move(acc);
    return true;
}

void SimCommandStation::seedLocomotives(int count)
{
    static const char* const names[] = {"BR 01 Dampflok", "Köf II", "E 94 Krokodil", "V 200",
                                        "ICE 3 Triebkopf", "Glaskasten", "BR 218", "Schienenbus"};
    static const int formats[6][2] = {{64, 2}, {65, 20}, {80, 1}, {82, 17}, {83, 81}, {72, 0}};
    count = std::clamp(count, 0, 500);
    for (int i = 0; i < count; ++i) {
        QByteArray r(80, '\0');
        auto put = [&](int at, int v) { r[at] = char(v & 0xFF); };
        const unsigned id = unsigned(i + 1);
        for (int b = 0; b < 4; ++b)
            put(b, int((id >> (8 * b)) & 0xFF));
        QString name = QString::fromUtf8(names[i % 8]);
        if (i >= 8)
            name += QStringLiteral(" %1").arg(i / 8 + 1);
        const QByteArray n = kx2::toCp1252(name).left(23);
        for (int k = 0; k < n.size(); ++k)
            r[4 + k] = n.at(k);
        for (int b = 28; b <= 31; ++b)
            put(b, 255);
        // 37 and 9999 share no factor, so the first 500 addresses are all different.
        const int address = (i * 37) % 9999 + 1;
        put(32, address & 0xFF);
        put(33, address >> 8);
        put(34, i & 0xFF);
        put(35, i >> 8);
        for (int f = 0; f <= 28; ++f)
            put(36 + f, (i + f) % 5 == 0 ? 0 : 1 + (3 * i + f) % 79);
        put(68, 3);
        put(69, 40 + i % 24);
        const int tail[10] = {255, 255, 0, 0, 0, 0, 1, 0, 255, 255};
        for (int b = 0; b < 10; ++b)
            put(70 + b, tail[b]);
        QByteArray a = area(Flash::Data, LocoAreaBase + i);
        a.replace(0, 80, r);
        setArea(Flash::Data, LocoAreaBase + i, a);
        setLocoFormat(address, formats[i % 6][0], formats[i % 6][1]);
    }
    if (count > 0) {
        // Entry 0 (kept as it is by the tool) and the counter as entry 1.
        QByteArray index(SamAreaSize, char(0xFF));
        const unsigned entries[2] = {1u, unsigned(count)};
        for (int e = 0; e < 2; ++e)
            for (int b = 0; b < 4; ++b)
                index[4 * e + b] = char((entries[e] >> (8 * b)) & 0xFF);
        setArea(Flash::Sam, kIndexArea, index);
        setArea(Flash::Sam, kIndexArea + 1, QByteArray());
    }
    saveState();
}

void SimCommandStation::seedRangeRecords(int areaBase, int count, int marker, const QString& line1, const QString& line2)
{
    for (int i = 0; i < count; ++i) {
        const int address = i + 1;
        QByteArray r(32, '\0');
        auto put = [&](int at, int v) { r[at] = char(v & 0xFF); };
        const unsigned id = unsigned(i + 1);
        for (int b = 0; b < 4; ++b)
            put(b, int((id >> (8 * b)) & 0xFF));
        put(3, marker);
        const QByteArray name = kx2::toCp1252(line1.arg(address)) + char(13) + kx2::toCp1252(line2);
        for (int k = 0; k < name.size() && k < 24; ++k)
            r[4 + k] = name.at(k);
        const int symbol = 1 + i % 26;
        put(28, 255);
        put(29, 255);
        put(30, 2 * (symbol + 2) + 1);
        put(31, 2 * (symbol + 2));
        const int areaNumber = areaBase + i / 16;
        QByteArray a = area(Flash::Data, areaNumber);
        a.replace(32 * (i % 16), 32, r);
        setArea(Flash::Data, areaNumber, a);
    }
}

bool SimCommandStation::seedSampleLayoutWhenNew()
{
    if (m_config.statePath.isEmpty() || m_sampleSeeded || QFile::exists(m_config.statePath))
        return false;
    seedLocomotives(SampleLocomotives);
    seedAccessories(SampleRangeRecords);
    seedFeedback(SampleRangeRecords);
    seedRoutes(SampleRoutes);
    m_sampleSeeded = true;
    return true;
}

void SimCommandStation::seedAccessories(int count)
{
    count = std::clamp(count, 0, 2048);
    seedRangeRecords(AccessoryAreaBase, count, 128, QStringLiteral("Weiche %1"), QStringLiteral("Bf Süd"));
    for (int a = 1; a <= count; ++a)
        setAccessoryFormat(a, a % 2 ? 15 : 143);
    saveState();
}

void SimCommandStation::seedFeedback(int count)
{
    count = std::clamp(count, 0, 4096);
    seedRangeRecords(FeedbackAreaBase, count, 160, QStringLiteral("Gleis %1"), QStringLiteral("Einfahrt"));
    saveState();
}

} // namespace kx2::sim

namespace kx2::sim {

void SimCommandStation::seedRoutes(int count)
{
    count = std::clamp(count, 0, 80);
    // The device code a send would write: (serial number mod 100000) + 1000, low 16 bits.
    const int deviceCode = int((static_cast<long long>(serialNumber()) % 100000 + 1000) & 0xFFFF);
    for (int r = 1; r <= count; ++r) {
        const std::array<int, 25> entries = SimRouteModule::sampleRoute(r);
        for (int j = 0; j < 25; ++j)
            m_routeModule->setVariable(5 + 25 * (r - 1) + j, entries[size_t(j)]);
        QByteArray rec(48, char(0xFF));
        auto put = [&](int at, int v) { rec[at] = char(v & 0xFF); };
        for (int b = 0; b < 4; ++b)
            put(b, int((unsigned(r) >> (8 * b)) & 0xFF));
        put(3, 176);
        const QByteArray name = kx2::toCp1252(QStringLiteral("Fahrstraße %1").arg(r)) + char(13)
                                + kx2::toCp1252(QStringLiteral("Gleis %1").arg(1 + r % 12));
        for (int k = 0; k < 24; ++k)
            put(4 + k, k < name.size() ? int(static_cast<unsigned char>(name.at(k))) : 0);
        const int start = entries[0];
        const int s = start / 10 + (start % 2) * 8192;
        put(28, s);
        put(29, s >> 8);
        put(30, deviceCode);
        put(31, deviceCode >> 8);
        put(32, 0x8D);
        put(33, 0x19);
        const int areaNumber = RouteNameAreaBase + (r - 1) / 8;
        QByteArray a = area(Flash::Data, areaNumber);
        a.replace(64 * ((r - 1) % 8), 48, rec);
        setArea(Flash::Data, areaNumber, a);
    }
    saveState();
}

} // namespace kx2::sim
