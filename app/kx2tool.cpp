#include "BuildInfo.h"
#include "link/Clock.h"
#include "link/PortIo.h"
#include "link/QtMessageRoute.h"
#include "link/QtSerialComm1.h"
#include "link/gui/ComWin.h"
#include "app/AppContext.h"
#include "shell/PortChoices.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramInfo.h"
#include "shell/Language.h"
#include "shell/ProgramPlaces.h"
#include "shell/RememberedPlaces.h"
#include "shell/RememberingFileDialog.h"
#include "shell/Settings.h"
#include "shell/SettingsFile.h"
#include "app/gui/AppWindows.h"
#include "shell/gui/MainWin.h"
#include "shell/gui/QtUserDialogs.h"
#if KX2_SCREENSHOT_TOUR
#include "app/gui/ScreenshotTour.h"
#endif
#include "sim/PortSwitch.h"
#include "sim/SimCommandStation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#if KX2_SCREENSHOT_TOUR
namespace {

// The pictures and the help text of the program folder, copied into the tour's own folder.
bool copyKonf(const QString& from, const QString& to)
{
    const QString konf = kx2::findInProgramFolder(from, QStringLiteral("konf"));
    if (konf.isEmpty())
        return false;
    QDirIterator it(konf, QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(QStringLiteral("konf/") + QDir(konf).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        ok = QFile::copy(file, target) && ok;
    }
    return ok;
}

// Locomotives, accessories, feedback contacts and routes the built-in command station holds for
// the screenshot tour (the editors read the first 16 of the last two).
constexpr int kTourLocomotives = 12;
constexpr int kTourRangeRecords = 24;
// Every route, of every kind the route editor shows.
constexpr int kTourRoutes = 80;

} // namespace
#endif

int main(int argc, char** argv)
{
    // Before the application: it needs a display, and the version must print without one.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::fputs(qPrintable(kx2::versionText(QStringLiteral("kx2tool"))), stdout);
            return 0;
        }
    QApplication app(argc, argv);
    // The language before the first text is made: --lang, else the user's choice or the system's.
    // The translation lies in konf/ beside the help text (--program-folder is read here too).
    QString language;
    QString languageFolder = kx2::programFolderPath();
    const QStringList words = app.arguments();
    for (int i = 1; i < words.size(); ++i) {
        const QString value = i + 1 < words.size() ? words[i + 1] : QString();
        if (words[i] == QLatin1String("--lang"))
            language = value;
        else if (words[i].startsWith(QLatin1String("--lang=")))
            language = words[i].section(QLatin1Char('='), 1);
        else if (words[i] == QLatin1String("--program-folder"))
            languageFolder = value;
    }
    kx2::Translations translations;
    translations.install(kx2::languageOfThisRun(language),
                         kx2::chooseProgramPlaces(languageFolder, kx2::userSystemFolders()).konfBase);
    QCoreApplication::setApplicationName(QStringLiteral("kx2tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(kx2::VersionMajor)
                                                .arg(kx2::VersionMinor)
                                                .arg(kx2::VersionRevision));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("kx2tool", "Daten der Zentrale lesen, bearbeiten und zurückschreiben"));
    parser.addHelpOption();
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      QCoreApplication::translate("kx2tool", "Name, Version, Marke und Qt-Version anzeigen.")});
    const QCommandLineOption simulatorOption(
        QStringLiteral("simulator"),
        QCoreApplication::translate(
            "kx2tool", "Ohne Einstellungsdatei mit der eingebauten simulierten Zentrale (Port \"SIM\") beginnen."));
    const QCommandLineOption folderOption(
        QStringLiteral("program-folder"),
        QCoreApplication::translate("kx2tool",
                                    "Ordner für Einstellungsdatei, Hilfetext und Symbole statt des Programmordners."),
        QCoreApplication::translate("kx2tool", "ordner"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QCoreApplication::translate(
            "kx2tool", "Jede gesendete (TX) und empfangene (RX) LocoNet-Nachricht in diese Datei schreiben."),
        QCoreApplication::translate("kx2tool", "datei"));
    const QCommandLineOption emptyOption(
        QStringLiteral("leer"),
        QCoreApplication::translate(
            "kx2tool",
            "Die simulierte Zentrale ohne Beispieldaten beginnen (sonst beim ersten Start mit Beispielanlage)."));
    parser.addOption(traceOption);
    parser.addOption(simulatorOption);
    parser.addOption(emptyOption);
    parser.addOption(folderOption);
    const QCommandLineOption languageOption(
        QStringLiteral("lang"),
        QCoreApplication::translate(
            "kx2tool",
            "Sprache der Fenster: de (Deutsch) oder en (Englisch). Vorgabe: die in den Optionen gewählte, sonst die des Systems."),
        QStringLiteral("de|en"));
    parser.addOption(languageOption);
#if KX2_SCREENSHOT_TOUR
    // For the documentation: photographs every window on the built-in command station, in a
    // folder of its own (settings and station memory included), and ends.
    QCommandLineOption screenshotsOption(QStringLiteral("screenshots"), QStringLiteral("Bildschirmfotos"),
                                         QStringLiteral("ordner"));
    screenshotsOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshotsOption);
#endif
    parser.process(app);

    const kx2::SystemFolders userFolders = kx2::userSystemFolders();
    kx2::ProgramPlaces where = kx2::chooseProgramPlaces(
        parser.isSet(folderOption) ? parser.value(folderOption) : kx2::programFolderPath(), userFolders);
#if KX2_SCREENSHOT_TOUR
    const bool tour = parser.isSet(screenshotsOption);
    QTemporaryDir tourFolder;
    if (tour) {
        if (!tourFolder.isValid() || !copyKonf(where.konfBase, tourFolder.path())) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("kx2tool", "kx2tool: konf/ nicht gefunden unter %1")
                                        .arg(where.konfBase)));
            return 1;
        }
        where = kx2::chooseProgramPlaces(tourFolder.path(), userFolders);
        where.settingsFallback = tourFolder.path();
    }
#else
    const bool tour = false;
#endif
    const QString programFolder = where.konfBase;
    const QString brand = QString::fromLatin1(kx2::BrandCode);

    kx2::SystemClock clock;
    kx2::QtSerialComm1 serialPort;
    // With the port text "SIM" the built-in command station answers; it keeps its memory beside
    // the settings file, so that what was sent can be read back after a restart.
    kx2::sim::PortSwitch port(serialPort, clock, where.simStateFile);
    kx2::NoPortIo portIo;
    kx2::QtUserDialogs dialogs(nullptr, kx2::makeProgramInfo(brand, 0, 0, 0).title);
    kx2::QtFileDialog qtFiles;
    // The tour must not change what the user's own runs remember.
    QTemporaryDir tourPlaces;
    std::unique_ptr<kx2::RememberedPlaces> places =
        tour ? std::make_unique<kx2::RememberedPlaces>(tourPlaces.filePath(QStringLiteral("orte.ini")))
             : std::make_unique<kx2::RememberedPlaces>();
    kx2::RememberingFileDialog files(qtFiles, *places, where.dataFolder);
    kx2::ComWin comWin;
    kx2::MainControlsRelay mainControls;
    const kx2::Platform platform{clock, port, portIo, dialogs, files, comWin, mainControls};
    kx2::AppContext ctx(platform);
    kx2::Settings& settings = ctx.settings;
    // Every send is checked unless the options dialog says otherwise.
    settings.VerifyAfterSend = true;
    comWin.setDialogs(&dialogs);
    QFile trace;
    if (parser.isSet(traceOption)) {
        trace.setFileName(parser.value(traceOption));
        if (trace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            ctx.link.setTrace(&trace);
        else
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("kx2tool", "Trace-Datei kann nicht geöffnet werden: %1")
                                        .arg(trace.errorString())));
    }
    kx2::routeQtMessagesTo(ctx.link.trace());

    kx2::SettingsFile settingsFile(where.settingsFolder, where.settingsFallback);
    kx2::MainWin win(settings, settingsFile, dialogs, programFolder, brand);
    mainControls.target = &win;
    dialogs.setParent(&win);
    qtFiles.setParent(&win);
    kx2::AppWindows windows(ctx, win, programFolder);
    windows.rememberIn(*places);

    const kx2::SettingsFile::ReadStatus status = win.Load();
    // A first start on the simulated station finds a sample layout to read and edit; its
    // state file keeps it (and every change) from then on.
    if (parser.isSet(simulatorOption) && !parser.isSet(emptyOption) && !tour)
        port.station().seedSampleLayoutWhenNew();
    if ((parser.isSet(simulatorOption) && status == kx2::SettingsFile::ReadStatus::Missing) || tour) {
        settings.ComPortNumber = kx2::SimulatorPort;
        settings.ComPortIsText = true;
        win.ShowSettings();
    }
#if KX2_SCREENSHOT_TOUR
    if (tour) {
        port.station().seedLocomotives(kTourLocomotives);
        port.station().seedAccessories(kTourRangeRecords);
        port.station().seedFeedback(kTourRangeRecords);
        port.station().seedRoutes(kTourRoutes);
        const QString folder = parser.value(screenshotsOption);
        QTimer::singleShot(0, &win, [&windows, &app, folder] {
            const int failures = kx2::runScreenshotTour(windows, folder);
            app.exit(failures == 0 ? 0 : 1);
        });
        return app.exec();
    }
#endif
    win.show();
    // Blank symbols or an empty help say nothing of why; one word at start names the folder.
    const QString missing = kx2::missingProgramFilesText(programFolder);
    if (!missing.isEmpty())
        QTimer::singleShot(0, &win, [&dialogs, missing] {
            dialogs.messageBox(missing, kx2::MsgButtons::Ok, kx2::MsgIcon::Exclamation,
                               QCoreApplication::translate("kx2tool", "Hinweis"));
        });
    return app.exec();
}
