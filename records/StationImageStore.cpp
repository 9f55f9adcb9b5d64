#include "records/StationImageStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace kx2 {

namespace {

const QString kKind = QStringLiteral("kx2-station-image");
constexpr int kVersion = 1;

QJsonArray valuesOf(const StoredSerial& station)
{
    QJsonArray values;
    for (int n = 1; n <= StoredSerial::Count; ++n)
        values.append(station.value(n).value_or(-1));
    return values;
}

// The rows of a file of this database and station; nullopt for anything else.
std::optional<KnownRows> rowsOf(const QByteArray& data, const QString& database, const StoredSerial& station)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("kind")).toString() != kKind || root.value(QStringLiteral("version")).toInt() != kVersion
        || root.value(QStringLiteral("database")).toString() != database
        || root.value(QStringLiteral("station")).toArray() != valuesOf(station))
        return std::nullopt;
    KnownRows rows;
    for (const QJsonValue& line : root.value(QStringLiteral("rows")).toArray()) {
        const QJsonArray cells = line.toArray();
        if (cells.isEmpty())
            return std::nullopt;
        std::vector<int32_t> known;
        for (qsizetype k = 1; k < cells.size(); ++k) {
            const double v = cells[k].toDouble(0.5);
            if (v != double(int32_t(v)))
                return std::nullopt;
            known.push_back(int32_t(v));
        }
        const double row = cells[0].toDouble(-1);
        if (row < 0 || row != double(int(row)))
            return std::nullopt;
        rows[int(row)] = std::move(known);
    }
    return rows;
}

// All four values: two stations that differ only where the serial number does not look are
// still two.
QString keyOf(const QString& database, const StoredSerial& station)
{
    QString key = database;
    for (int n = 1; n <= StoredSerial::Count; ++n)
        key += QLatin1Char('/') + QString::number(station.value(n).value_or(-1));
    return key;
}

} // namespace

QString StationImageStore::fileOf(const QString& database, const StoredSerial& station) const
{
    if (m_folder.isEmpty())
        return {};
    return QDir(m_folder).filePath(QStringLiteral("%1-%2.json").arg(station.numberText(), database));
}

KnownRows StationImageStore::recall(const QString& database, const StoredSerial& station)
{
    if (!station.known())
        return {};
    const QString key = keyOf(database, station);
    if (const auto it = m_kept.find(key); it != m_kept.end())
        return it->second;
    KnownRows rows;
    QFile file(fileOf(database, station));
    if (!file.fileName().isEmpty() && file.open(QIODevice::ReadOnly))
        rows = rowsOf(file.readAll(), database, station).value_or(KnownRows());
    m_kept[key] = rows;
    return rows;
}

void StationImageStore::keep(const QString& database, const StoredSerial& station, const KnownRows& rows)
{
    if (!station.known())
        return;
    m_kept[keyOf(database, station)] = rows;
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return;
    QJsonArray lines;
    for (const auto& [row, cells] : rows) {
        QJsonArray line{row};
        for (const int32_t v : cells)
            line.append(qint64(v));
        lines.append(line);
    }
    const QJsonObject root{{QStringLiteral("kind"), kKind},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("database"), database},
                           {QStringLiteral("station"), valuesOf(station)},
                           {QStringLiteral("rows"), lines}};
    // Whole or not at all: a run that ends while writing leaves the last image.
    QSaveFile file(fileOf(database, station));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

std::optional<KnownRows> StationKeeping::switchTo(const StoredSerial& station)
{
    if (station == m_station)
        return std::nullopt;
    m_station = station;
    return m_store ? m_store->recall(m_database, station) : KnownRows();
}

void StationKeeping::keep(const KnownRows& rows) const
{
    if (m_store)
        m_store->keep(m_database, m_station, rows);
}

} // namespace kx2
