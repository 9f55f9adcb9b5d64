#pragma once
#include "shell/AddressRange.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace kx2 {

// The user's own store in the per-user configuration folder, which the remembered places and the
// chosen language share.
std::unique_ptr<QSettings> userStore();

// What the program remembers per user between runs, beside the settings file (whose three lines
// stay as they are): window places, the main window's ranges, the last folder of each kind of
// file, grid column widths and "Nach dem Senden prüfen". Kept in Qt's QSettings.
class RememberedPlaces {
public:
    // The user's own store in the per-user configuration folder.
    RememberedPlaces();
    // A store in this ini file: a second store over the same file sees what the first kept.
    explicit RememberedPlaces(const QString& iniFile);
    ~RememberedPlaces();
    RememberedPlaces(const RememberedPlaces&) = delete;
    RememberedPlaces& operator=(const RememberedPlaces&) = delete;

    // The last folder of a kind of file ("ISD/LokdatenFrm", "CSV", "PDF", "Sicherung"); "" when none.
    QString folder(const QString& kind) const;
    void setFolder(const QString& kind, const QString& folder);

    // A window's place, size and state on the desktop as QWidget::saveGeometry() gives it, by its
    // object name; empty when none is kept or it was kept in the older form below.
    QByteArray windowGeometry(const QString& window) const;
    void setWindowGeometry(const QString& window, const QByteArray& geometry);
    // The older form of a window's place: the rectangle inside its frame, kept by earlier versions
    // (read once, until the window's geometry replaces it).
    std::optional<QRect> windowPlace(const QString& window) const;

    // A grid's column widths, by its object name; empty when none are kept.
    QList<int> columnWidths(const QString& grid) const;
    void setColumnWidths(const QString& grid, const QList<int>& widths);

    // The accessory and feedback ranges the main window used last.
    std::optional<AddressRange> range(const QString& database) const;
    void setRange(const QString& database, const AddressRange& range);

    // "Nach dem Senden prüfen"; `otherwise` until the user has chosen.
    bool verifyAfterSend(bool otherwise) const;
    void setVerifyAfterSend(bool on);

    // Writes what is kept now (it is written at the end anyway).
    void sync();

private:
    std::unique_ptr<QSettings> m_store;
};

// The folder part of a path as either system writes it ("C:\Daten\a.ISD", "/home/a/a.ISD"); "" without one.
QString folderOfPath(const QString& path);

// A remembered place moved onto a screen when the screens changed since: kept where it is when it
// shows enough of itself on one of `screens` to be taken and moved, otherwise put in the middle of
// the first screen, and made no larger than that screen.
QRect keptOnScreen(const QRect& place, const QList<QRect>& screens);

} // namespace kx2
