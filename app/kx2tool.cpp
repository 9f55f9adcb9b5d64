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
#include <cstdlib>
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

namespace {

// The language before the first text is made: --lang, else the user's choice or the system's.
// The translation lies in konf/ beside the help text (--program-folder is read here too). Then
// the program's name and version, which the help shows.
void setUpLanguageAndName(kx2::Translations& translations, const QStringList& words)
{
    QString language;
    QString languageFolder = kx2::programFolderPath();
    for (int i = 1; i < words.size(); ++i) {
        const QString value = i + 1 < words.size() ? words[i + 1] : QString();
        if (words[i] == QLatin1String("--lang"))
            language = value;
        else if (words[i].startsWith(QLatin1String("--lang=")))
            language = words[i].section(QLatin1Char('='), 1);
        else if (words[i] == QLatin1String("--program-folder"))
            languageFolder = value;
    }
    translations.install(kx2::languageOfThisRun(language),
                         kx2::chooseProgramPlaces(languageFolder, kx2::userSystemFolders()).konfBase);
    QCoreApplication::setApplicationName(QStringLiteral("kx2tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(kx2::VersionMajor)
                                                .arg(kx2::VersionMinor)
                                                .arg(kx2::VersionRevision));
}

// The options of a start, put into the parser as they are made.
struct StartOptions {
    explicit StartOptions(QCommandLineParser& parser)
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("kx2tool", "Daten der Zentrale lesen, bearbeiten und zurückschreiben"));
        parser.addHelpOption();
        parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                          QCoreApplication::translate("kx2tool", "Name, Version, Marke und Qt-Version anzeigen.")});
        parser.addOption(trace);
        parser.addOption(simulator);
        parser.addOption(empty);
        parser.addOption(folder);
        parser.addOption(language);
#if KX2_SCREENSHOT_TOUR
        screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(screenshots);
        screenshotDesktop.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(screenshotDesktop);
#endif
    }

    const QCommandLineOption simulator{
        QStringLiteral("simulator"),
        QCoreApplication::translate(
            "kx2tool", "Ohne Einstellungsdatei mit der eingebauten simulierten Zentrale (Port \"SIM\") beginnen.")};
    const QCommandLineOption folder{
        QStringLiteral("program-folder"),
        QCoreApplication::translate("kx2tool",
                                    "Ordner für Einstellungsdatei, Hilfetext und Symbole statt des Programmordners."),
        QCoreApplication::translate("kx2tool", "ordner")};
    const QCommandLineOption trace{
        QStringLiteral("trace"),
        QCoreApplication::translate(
            "kx2tool", "Jede gesendete (TX) und empfangene (RX) LocoNet-Nachricht in diese Datei schreiben."),
        QCoreApplication::translate("kx2tool", "datei")};
    const QCommandLineOption empty{
        QStringLiteral("leer"),
        QCoreApplication::translate(
            "kx2tool",
            "Die simulierte Zentrale ohne Beispieldaten beginnen (sonst beim ersten Start mit Beispielanlage).")};
    const QCommandLineOption language{
        QStringLiteral("lang"),
        QCoreApplication::translate(
            "kx2tool",
            "Sprache der Fenster: de (Deutsch) oder en (Englisch). Vorgabe: die in den Optionen gewählte, sonst die des Systems."),
        QStringLiteral("de|en")};
#if KX2_SCREENSHOT_TOUR
    // For the documentation: photographs every window on the built-in command station, in a
    // folder of its own (settings and station memory included), and ends.
    QCommandLineOption screenshots{QStringLiteral("screenshots"), QStringLiteral("Bildschirmfotos"),
                                   QStringLiteral("ordner")};
    // With it, a shorter walk on another desktop: "dark" or "small".
    QCommandLineOption screenshotDesktop{QStringLiteral("screenshots-desktop"), QStringLiteral("Bildschirmfotos"),
                                         QStringLiteral("dark|small")};
#endif
};

bool isPlatformWord(const char* word)
{
    return std::strcmp(word, "-platform") == 0 || std::strcmp(word, "--platform") == 0;
}

bool asksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* help : {"-h", "--help", "-?", "--help-all"})
            if (std::strcmp(argv[i], help) == 0)
                return true;
    return false;
}

// Whether the program has a display to show itself on, decided before the application is made:
// without one Qt's platform ends the process. Windows and macOS always have one. Elsewhere the
// platform chosen with -platform or QT_QPA_PLATFORM decides (offscreen and the like need none),
// else an X or Wayland display named in the environment.
bool displayNamed(int argc, char** argv)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    (void)argc;
    (void)argv;
    return true;
#else
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (isPlatformWord(argv[i]))
            platforms = argv[i + 1];
    const bool x = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platforms.trimmed().isEmpty())
        return x || wayland;
    // "wayland;xcb": the first that starts is taken; "xcb:option" names the plugin before the colon.
    for (const QByteArray& platform : platforms.split(';')) {
        const QByteArray plugin = platform.left(platform.indexOf(':')).trimmed();
        if (plugin == "xcb" ? x : plugin.startsWith("wayland") ? wayland : !plugin.isEmpty())
            return true;
    }
    return false;
#endif
}

// The arguments without -platform and its name, which only the windowed application takes.
QStringList withoutPlatform(const QStringList& words)
{
    QStringList kept;
    for (int i = 0; i < words.size(); ++i) {
        if (isPlatformWord(qPrintable(words[i]))) {
            ++i;
            continue;
        }
        kept << words[i];
    }
    return kept;
}

QString withoutDisplayHint()
{
    return QCoreApplication::translate("kx2tool", "Ohne Bildschirm liest und schreibt kx2ctl die Daten der Zentrale "
                                                  "(kx2ctl --help).");
}

// What a start whose display does not answer says in place of Qt's end of the process; made
// before the application, whose platform ends the process from inside its constructor.
QByteArray g_displayUnreachable;
QtMessageHandler g_earlierHandler = nullptr;

void endWhenNoDisplayAnswers(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(g_displayUnreachable.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (g_earlierHandler)
        g_earlierHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv)
{
    // Before any application: the version prints without one.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::fputs(qPrintable(kx2::versionText(QStringLiteral("kx2tool"))), stdout);
            return 0;
        }
    // The help needs no display; a start without one says why it ends, in the user's language.
    if (asksForHelp(argc, argv) || !displayNamed(argc, argv)) {
        QCoreApplication core(argc, argv);
        kx2::Translations translations;
        setUpLanguageAndName(translations, core.arguments());
        QCommandLineParser parser;
        const StartOptions options(parser);
        // --help prints and ends here, a wrong option too.
        parser.process(withoutPlatform(core.arguments()));
        std::fprintf(stderr, "%s\n%s\n",
                     qPrintable(QCoreApplication::translate(
                         "kx2tool",
                         "kx2tool: kein Bildschirm gefunden, an dem sich das Programm zeigen kann (DISPLAY oder "
                         "WAYLAND_DISPLAY ist nicht gesetzt).")),
                     qPrintable(withoutDisplayHint()));
        return 1;
    }
    // A display named that does not answer ends the process inside the application's constructor.
    // No translation is installed yet: the words stay German.
    g_displayUnreachable =
        (QCoreApplication::translate("kx2tool", "kx2tool: der Bildschirm antwortet nicht, an dem sich das Programm "
                                                "zeigen soll.")
         + QLatin1Char('\n') + withoutDisplayHint() + QLatin1Char('\n'))
            .toLocal8Bit();
    g_earlierHandler = qInstallMessageHandler(endWhenNoDisplayAnswers);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_earlierHandler);
    kx2::Translations translations;
    setUpLanguageAndName(translations, app.arguments());

    QCommandLineParser parser;
    const StartOptions options(parser);
    const QCommandLineOption& simulatorOption = options.simulator;
    const QCommandLineOption& folderOption = options.folder;
    const QCommandLineOption& traceOption = options.trace;
    const QCommandLineOption& emptyOption = options.empty;
#if KX2_SCREENSHOT_TOUR
    const QCommandLineOption& screenshotsOption = options.screenshots;
    const QCommandLineOption& desktopOption = options.screenshotDesktop;
#endif
    parser.process(app);

    const kx2::SystemFolders userFolders = kx2::userSystemFolders();
    kx2::ProgramPlaces where = kx2::chooseProgramPlaces(
        parser.isSet(folderOption) ? parser.value(folderOption) : kx2::programFolderPath(), userFolders);
#if KX2_SCREENSHOT_TOUR
    const bool tour = parser.isSet(screenshotsOption);
    QTemporaryDir tourFolder;
    const QString desktop = parser.value(desktopOption);
    if (tour)
        kx2::useTourDesktop(desktop);
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
    // What the stations hold is kept with the program's other state, beside the simulated
    // station's memory.
    kx2::StationImageStore stationImages(
        QDir(QFileInfo(where.simStateFile).absolutePath()).filePath(QStringLiteral("Zentralen")));
    kx2::AppContext ctx(platform);
    ctx.rememberStationsIn(stationImages);
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
    windows.setUserFolder(where.settingsFolder);
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
        QTimer::singleShot(0, &win, [&windows, &app, folder, desktop] {
            const int failures = desktop.isEmpty() ? kx2::runScreenshotTour(windows, folder)
                                                   : kx2::runDesktopTour(windows, folder, desktop);
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
