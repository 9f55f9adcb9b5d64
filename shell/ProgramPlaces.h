#pragma once
#include <QString>

#include <functional>

namespace kx2 {

// Where a run finds what the program brings along (konf/: symbol pictures, help text) and where it
// keeps what it writes (the settings file KX2_DF.INF, the simulated station's KX2_SIM.STATE, the
// folder the file dialogs start in).
//
// A program run from its build folder or unpacked into a folder of its own keeps everything
// beside itself, as it always has. An installed program (bin/ with ../share/kx2tool/konf) and
// one whose folder cannot be written keep it in the user's folders: nothing is ever written next
// to an installed executable.
struct ProgramPlaces {
    QString konfBase;          // the folder holding konf/
    QString settingsFolder;    // where KX2_DF.INF is looked for first and written
    QString settingsFallback;  // where it goes when settingsFolder cannot take it ("": nowhere)
    QString simStateFile;      // KX2_SIM.STATE
    QString dataFolder;        // the folder for ISD files ("Daten" beside the program)
    bool installed = false;
};

// What the choice asks of the system; the tests hand in their own.
struct SystemFolders {
    QString config;     // the user's configuration folder for kx2tool and kx2ctl alike
    QString documents;  // the user's folder for ISD files
    std::function<bool(const QString& folder)> writable;
};

// The user's folders of this machine, and a writability check that asks the file system.
SystemFolders userSystemFolders();

ProgramPlaces chooseProgramPlaces(const QString& programFolder, const SystemFolders& system);

// The places of this run: the executable's folder and the user's folders.
ProgramPlaces programPlacesOfThisRun();

} // namespace kx2
