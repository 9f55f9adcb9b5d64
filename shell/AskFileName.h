#pragma once
#include <QString>

namespace kx2 {

class FileDialog;
struct Settings;

inline constexpr int AskFileOpen = 0;  // any other mode saves

// The file prompt of the editors' load and save menus. Mode 0 asks for a file to open, any other
// mode for one to save; the dialog offers LastFileName and the filter
// "KX2 Datenflash (*.<extension>)|*.<extension>|". Returns "" when the user cancels.
// The chosen name is not remembered in LastFileName. The folder the dialog opens in is the file
// dialog's to choose (RememberingFileDialog).
QString AskFileName(FileDialog& dialog, const Settings& settings, int mode, const QString& extension);

// "KX2 Datenflash (*.ISD)|*.ISD|" for "ISD".
QString dataFileFilter(const QString& extension);

} // namespace kx2
