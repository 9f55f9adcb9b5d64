#pragma once
#include "shell/EditorServices.h"

namespace kx2 {

class DbProtocol;
class FileDialog;
class LocoNetLink;
class MainControls;
class Progress;
class ProgressMeter;
class SerialInterface;
class StoredSerial;
class TransferSession;
class UserDialogs;
struct Settings;

// What the drivers, files and editors of every database share of the running program: the way
// to the command station, the user's dialogs, and the program-wide state that belongs to no one
// database. The program builds one for its whole run; a test builds its own.
struct DatabaseContext {
    Settings& settings;
    LocoNetLink& link;
    SerialInterface& iface;
    DbProtocol& db;
    UserDialogs& dialogs;
    FileDialog& files;
    Progress& progress;
    MainControls& mainControls;
    // The command station the tables were read from or loaded for.
    StoredSerial& storedSerial;
    // The grid line and column of the open name edit (0: none); the grid editors share them.
    int& EditRow;
    int& EditCol;
    // The count of the transfer under way, for the progress window.
    ProgressMeter& meter;
    // While a run over several databases holds one database access open (the whole-station
    // backup and restore), the session that holds it: each database's transfer joins it.
    TransferSession* heldAccess = nullptr;
    // A quick read: a record whose first page is all 0xFF was never written, and its other pages
    // are not read. Every record this program writes carries its number there.
    bool quickRead = false;

    // What an editor window takes of all this.
    EditorServices editorServices() const;
};

} // namespace kx2
