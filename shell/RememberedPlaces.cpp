#include "shell/RememberedPlaces.h"

#include <QSettings>

#include <algorithm>

namespace kx2 {

namespace {

// Of a window's title bar so much must stay on a screen that the user can take and move it.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 30;

QString folderKey(const QString& kind)
{
    return QStringLiteral("Ordner/") + kind;
}

// One key for both forms of a window's place: the geometry replaces the older rectangle.
QString windowKey(const QString& window)
{
    return QStringLiteral("Fenster/") + window;
}

} // namespace

std::unique_ptr<QSettings> userStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kx2tool"),
                                       QStringLiteral("Orte"));
}

RememberedPlaces::RememberedPlaces() : m_store(userStore()) {}

RememberedPlaces::RememberedPlaces(const QString& iniFile)
    : m_store(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

RememberedPlaces::~RememberedPlaces() = default;

QString RememberedPlaces::folder(const QString& kind) const
{
    return m_store->value(folderKey(kind)).toString();
}

void RememberedPlaces::setFolder(const QString& kind, const QString& folder)
{
    if (!folder.isEmpty())
        m_store->setValue(folderKey(kind), folder);
}

QByteArray RememberedPlaces::windowGeometry(const QString& window) const
{
    const QVariant kept = m_store->value(windowKey(window));
    return kept.typeId() == QMetaType::QByteArray ? kept.toByteArray() : QByteArray();
}

void RememberedPlaces::setWindowGeometry(const QString& window, const QByteArray& geometry)
{
    m_store->setValue(windowKey(window), geometry);
}

std::optional<QRect> RememberedPlaces::windowPlace(const QString& window) const
{
    const QVariant kept = m_store->value(windowKey(window));
    if (kept.typeId() != QMetaType::QRect || !kept.toRect().isValid())
        return std::nullopt;
    return kept.toRect();
}

QList<int> RememberedPlaces::columnWidths(const QString& grid) const
{
    QList<int> widths;
    for (const QVariant& w : m_store->value(QStringLiteral("Spalten/") + grid).toList())
        widths.append(w.toInt());
    return widths;
}

void RememberedPlaces::setColumnWidths(const QString& grid, const QList<int>& widths)
{
    QVariantList list;
    for (int w : widths)
        list.append(w);
    m_store->setValue(QStringLiteral("Spalten/") + grid, list);
}

std::optional<AddressRange> RememberedPlaces::range(const QString& database) const
{
    const QString key = QStringLiteral("Bereich/") + database;
    if (!m_store->contains(key + QStringLiteral("/von")) || !m_store->contains(key + QStringLiteral("/bis")))
        return std::nullopt;
    return AddressRange{m_store->value(key + QStringLiteral("/von")).toInt(),
                        m_store->value(key + QStringLiteral("/bis")).toInt()};
}

void RememberedPlaces::setRange(const QString& database, const AddressRange& range)
{
    const QString key = QStringLiteral("Bereich/") + database;
    m_store->setValue(key + QStringLiteral("/von"), range.first);
    m_store->setValue(key + QStringLiteral("/bis"), range.last);
}

bool RememberedPlaces::verifyAfterSend(bool otherwise) const
{
    return m_store->value(QStringLiteral("Optionen/NachDemSendenPruefen"), otherwise).toBool();
}

void RememberedPlaces::setVerifyAfterSend(bool on)
{
    m_store->setValue(QStringLiteral("Optionen/NachDemSendenPruefen"), on);
}

void RememberedPlaces::sync()
{
    m_store->sync();
}

QString folderOfPath(const QString& path)
{
    const int cut = int(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))));
    return cut < 0 ? QString() : path.left(cut == 0 ? 1 : cut);
}

QRect keptOnScreen(const QRect& place, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return place;
    for (const QRect& screen : screens) {
        const QRect titleBar(place.topLeft(), QSize(place.width(), kGrabHeight));
        const QRect seen = screen.intersected(titleBar);
        if (seen.width() >= std::min(kGrabWidth, place.width()) && seen.height() >= std::min(kGrabHeight, place.height()))
            return place;
    }
    const QRect& first = screens.first();
    QRect moved(QPoint(), place.size().boundedTo(first.size()));
    moved.moveCenter(first.center());
    return moved;
}

} // namespace kx2
