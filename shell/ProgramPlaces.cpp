#include "shell/ProgramPlaces.h"

#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kx2 {

namespace {
const QString kStateFileName = QStringLiteral("KX2_SIM.STATE");

// <prefix>/share/kx2tool beside <prefix>/bin, as `cmake --install` and the package lay it out.
QString installedDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../share/kx2tool")));
}
} // namespace

SystemFolders userSystemFolders()
{
    SystemFolders system;
    // One folder for both programs: kx2ctl reads the port the windowed program saved.
    system.config = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                        .filePath(QStringLiteral("kx2tool"));
    system.documents = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                           .filePath(QStringLiteral("kx2tool"));
    system.writable = [](const QString& folder) {
        const QFileInfo info(folder);
        return info.isDir() && info.isWritable();
    };
    return system;
}

ProgramPlaces chooseProgramPlaces(const QString& programFolder, const SystemFolders& system)
{
    ProgramPlaces places;
    const bool konfBeside = !findInProgramFolder(programFolder, QStringLiteral("konf")).isEmpty();
    const QString shared = installedDataFolder(programFolder);
    const bool konfShared = !findInProgramFolder(shared, QStringLiteral("konf")).isEmpty();
    places.installed = !konfBeside && (konfShared || QDir(programFolder).dirName() == QLatin1String("bin"));
    places.konfBase = places.installed && konfShared ? shared : programFolder;

    if (!places.installed && system.writable(programFolder)) {
        places.settingsFolder = programFolder;
        places.settingsFallback = system.config;
        places.simStateFile = QDir(programFolder).filePath(kStateFileName);
        const QString data = findInProgramFolder(programFolder, QStringLiteral("Daten"));
        places.dataFolder = !data.isEmpty() && QFileInfo(data).isDir() ? data
                                                                      : QDir(programFolder).filePath(QStringLiteral("Daten"));
        return places;
    }
    // A settings file someone put beside a read-only program is still read; the settings file
    // then writes into the configuration folder.
    places.settingsFolder = places.installed ? system.config : programFolder;
    places.settingsFallback = places.installed ? QString() : system.config;
    places.simStateFile = QDir(system.config).filePath(kStateFileName);
    places.dataFolder = system.documents;
    return places;
}

ProgramPlaces programPlacesOfThisRun()
{
    return chooseProgramPlaces(programFolderPath(), userSystemFolders());
}

} // namespace kx2
