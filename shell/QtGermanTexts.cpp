#include "shell/QtGermanTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kx2 {

bool InstallQtGermanTexts(QCoreApplication& app, QTranslator& translator)
{
    if (!translator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&translator);
}

} // namespace kx2
