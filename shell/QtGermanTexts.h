#pragma once
#include <QString>

class QCoreApplication;
class QTranslator;

namespace kx2 {

// Qt's own words (the file dialog, the standard buttons, the text boxes' context menu) in German:
// installs Qt's German translation "qtbase_de" from Qt's translations folder when it is there.
// Returns whether it was found; without it those words stay English.
bool InstallQtGermanTexts(QCoreApplication& app, QTranslator& translator);

} // namespace kx2
