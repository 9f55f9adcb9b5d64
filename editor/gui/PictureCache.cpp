#include "editor/gui/PictureCache.h"

#include "shell/ProgramFolder.h"

#include <QImage>

namespace kx2 {

QPixmap PictureCache::picture(const QString& relative)
{
    const auto found = m_pictures.constFind(relative);
    if (found != m_pictures.constEnd())
        return found.value();
    ++m_filesRead;
    QPixmap pixmap;
    const QString path = findInProgramFolder(m_programFolder, relative);
    if (!path.isEmpty()) {
        QImage image(path);
        if (!image.isNull())
            pixmap = QPixmap::fromImage(image);
    }
    m_pictures.insert(relative, pixmap);
    return pixmap;
}

} // namespace kx2
