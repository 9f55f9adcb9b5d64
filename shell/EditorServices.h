#pragma once
#include <QString>
#include <functional>

namespace kx2 {

class FileDialog;
class UserDialogs;

// What a grid editor's window needs of the running program, below any database: the user's
// boxes and file dialog, the pause that lets the user interface run, and the grid cell of the
// open name edit, which all editors share.
struct EditorServices {
    UserDialogs& dialogs;
    FileDialog& files;
    // Lets the given seconds pass with the event loop running.
    std::function<void(double)> pause;
    // The grid line and column of the open name edit (0: none).
    int& EditRow;
    int& EditCol;
    // The serial number of the station the tables belong to ("" while unknown), for printouts.
    std::function<QString()> stationSerial = {};
};

} // namespace kx2
