#include "shell/BrandCaptions.h"

#include "shell/ProgramInfo.h"

#include <QCoreApplication>

namespace kx2 {

QString mainWindowCaption(const QString& brandCode)
{
    return isKordavinexBrand(brandCode) ? QStringLiteral(" Kordavinex II - Tool") : QStringLiteral(" TQ7 - Tool");
}

DeviceMenuCaptions editorDeviceMenuCaptions(const QString& brandCode, EditorKind editor)
{
    DeviceMenuCaptions c;
    if (isKordavinexBrand(brandCode)) {
        if (editor == EditorKind::Loco)
            c.menu = QStringLiteral("Kordavinex");
        return c;
    }
    c.menu = QStringLiteral("TQ7");
    c.readItem = QCoreApplication::translate("BrandCaptions", "Daten aus der TQ7 lesen");
    c.sendItem = QCoreApplication::translate("BrandCaptions", "Daten zur TQ7 senden");
    return c;
}

} // namespace kx2
