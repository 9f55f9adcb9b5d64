#include "cli/Commands.h"

#include "cli/GermanHelp.h"
#include "link/QtMessageRoute.h"
#include "shell/Language.h"
#include "shell/ProgramPlaces.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Before the application: the offscreen platform's notes must not reach a script's output.
    kx2::routeQtMessagesTo(nullptr);
    // A PDF needs fonts and a paint engine: Qt GUI without a window, on the offscreen platform.
    bool pdf = false;
    for (int i = 1; i < argc; ++i)
        pdf = pdf || std::strcmp(argv[i], "--pdf") == 0;
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        pdf ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QStringList args = app.arguments().mid(1);

    // The language before the first word is printed.
    QString language;
    QString languageError;
    const bool languageOk = kx2::cli::takeLanguageOption(args, language, languageError);
    kx2::Translations translations;
    translations.install(kx2::languageOfThisRun(language), kx2::programPlacesOfThisRun().konfBase);
    if (!languageOk) {
        QTextStream(stderr) << languageError << "\n";
        return 2;
    }
    return kx2::cli::runCommandLine(args);
}
