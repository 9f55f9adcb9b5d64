#include "BuildInfo.h"
#include "link/Clock.h"
#include "link/PortIo.h"
#include "link/QtSerialComm1.h"
#include "link/gui/ComWin.h"
#include "shell/AppContext.h"
#include "shell/PortChoices.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramInfo.h"
#include "shell/Settings.h"
#include "shell/SettingsFile.h"
#include "shell/gui/MainWin.h"
#include "shell/gui/QtUserDialogs.h"
#include "sim/PortSwitch.h"

#include <QDir>

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

namespace {

// The drivers reach the main window's controls through the platform, which exists before the
// main window does (the window needs the settings the context owns).
class MainControlsRelay : public kx2::MainControls {
public:
    void EnableMainControls() override
    {
        if (target)
            target->EnableMainControls();
    }
    void DisableMainControls() override
    {
        if (target)
            target->DisableMainControls();
    }
    kx2::MainControls* target = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kx2tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(kx2::VersionMajor)
                                                .arg(kx2::VersionMinor)
                                                .arg(kx2::VersionRevision));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Daten der Zentrale lesen, bearbeiten und zurückschreiben"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulatorOption(
        QStringLiteral("simulator"),
        QStringLiteral("Ohne Einstellungsdatei mit der eingebauten simulierten Zentrale (Port \"SIM\") beginnen."));
    const QCommandLineOption folderOption(
        QStringLiteral("program-folder"),
        QStringLiteral("Ordner für Einstellungsdatei, Hilfetext und Symbole statt des Programmordners."),
        QStringLiteral("ordner"));
    parser.addOption(simulatorOption);
    parser.addOption(folderOption);
    parser.process(app);

    const QString programFolder = parser.isSet(folderOption) ? parser.value(folderOption) : kx2::programFolderPath();
    const QString brand = QString::fromLatin1(kx2::BrandCode);

    kx2::SystemClock clock;
    kx2::QtSerialComm1 serialPort;
    // With the port text "SIM" the built-in command station answers; it keeps its memory beside
    // the settings file, so that what was sent can be read back after a restart.
    kx2::sim::PortSwitch port(serialPort, clock, QDir(programFolder).filePath(QStringLiteral("KX2_SIM.STATE")));
    kx2::NoPortIo portIo;
    kx2::QtUserDialogs dialogs(nullptr, kx2::MakeProgramInfo(brand, 0, 0, 0).title);
    kx2::QtFileDialog files;
    kx2::ComWin comWin;
    MainControlsRelay mainControls;
    const kx2::Platform platform{clock, port, portIo, dialogs, files, comWin, mainControls};
    kx2::AppContext ctx(platform);
    kx2::Settings& settings = ctx.settings;

    kx2::SettingsFile settingsFile(programFolder,
                                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    kx2::MainWin win(settings, settingsFile, dialogs, programFolder, brand);
    mainControls.target = &win;
    dialogs.setParent(&win);
    files.setParent(&win);

    const kx2::SettingsFile::ReadStatus status = win.Load();
    if (parser.isSet(simulatorOption) && status == kx2::SettingsFile::ReadStatus::Missing) {
        settings.ComPortNumber = kx2::SimulatorPort;
        settings.ComPortIsText = true;
        win.ShowSettings();
    }
    win.show();
    return app.exec();
}
