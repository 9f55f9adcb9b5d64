#pragma once
#include <QHash>
#include <QPixmap>
#include <QString>

namespace kx2 {

// The symbol pictures under the program folder, each file read once and then handed out again,
// so that a grid of 500 locomotives with 29 pictures each builds without touching the disk
// more than 79 times. A file that is missing or unreadable gives a null picture (the cell then
// shows none); that answer is kept too, so a missing file is looked for only once.
class PictureCache {
public:
    explicit PictureCache(const QString& programFolder) : m_programFolder(programFolder) {}

    // relative: as the program names it, e.g. "Konf/Fkt_Symbole/S3.bmp" (any case).
    QPixmap picture(const QString& relative);

    // How many files were read (or looked for in vain); for tests.
    int filesRead() const { return m_filesRead; }
    QString programFolder() const { return m_programFolder; }

private:
    QString m_programFolder;
    QHash<QString, QPixmap> m_pictures;
    int m_filesRead = 0;
};

} // namespace kx2
