#pragma once
#include <QString>

namespace kx2 {

class FileDialog;
struct Settings;

// The file prompt of the editors' load and save menus. mode 0 opens a file, any other mode
// saves one. Title "Sicherungsdatei öffnen..." or "Sicherungsdatei speichern...", initial
// name LastFileName, filter "KX2 Datenflash (*.EXT)|*.EXT|". Returns "" when the user
// cancelled. The chosen name is not remembered in LastFileName.
QString AskFileName(FileDialog& dialog, const Settings& settings, int mode, const QString& extension);

} // namespace kx2
