// Clear errors: a port that cannot be opened is named with the reason under the program's text,
// a file failure names the file, Qt's own words and kx2ctl's option errors are German.
#include "cli/GermanHelp.h"
#include "records/IsdFile.h"
#include "link/PortFailure.h"
#include "link/QtSerialComm1.h"
#include "link/ResultText.h"
#include "shell/Language.h"
#include "support/FakeDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

TEST(ErrorText, PortFailureNamesThePortAndTheReason)
{
    struct Case {
        PortFailure why;
        const char* reason;
    };
    const Case cases[] = {
        {PortFailure::NoSuchDevice, "Gerät nicht vorhanden (nicht angeschlossen oder falscher Name)"},
        {PortFailure::Busy, "belegt: ein anderes Programm hat den Port geöffnet"},
        {PortFailure::Other, "Fehler des Systems (Input/output error)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(portFailureText(QStringLiteral("3"), QStringLiteral("/dev/ttyS2"), c.why,
                                  QStringLiteral("Input/output error")),
                  QStringLiteral("ComPort 3 (/dev/ttyS2): ") + QString::fromUtf8(c.reason));
    // It stands under the program's own text; other failures keep theirs.
    const QString failure = QStringLiteral("ComPort 7: belegt");
    EXPECT_EQ(ResultText(990098, failure), QStringLiteral("\rComPort Kann nicht geöffnet werden!\r") + failure + QChar(13));
    EXPECT_EQ(ResultText(101011, failure), ResultText(101011));
    // The name the system knows is not repeated when it is the one typed.
    EXPECT_TRUE(portFailureText(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB0"),
                                PortFailure::NoPermission, QString())
                    .startsWith(QStringLiteral("ComPort /dev/ttyUSB0: keine Berechtigung")));
}


TEST(ErrorText, APortPathThatDoesNotExistIsNoSuchDevice)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ttyNirgends"));
    QtSerialComm1 port;
    port.setCommPort(path);
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_EQ(port.errorText(), portFailureText(path, path, PortFailure::NoSuchDevice, QString()));
}

TEST(ErrorText, FileFailuresNameTheFile)
{
    FakeDialogs dialogs;
    const QString path = QDir::temp().filePath(QStringLiteral("kaputt.ISD"));
    showIsdError(dialogs, IsdError::Read, QStringLiteral("Zeile 12: keine Zahl"), path);
    ASSERT_EQ(dialogs.messageCount(), 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Fehler beim Öffnen des Files\rZeile 12: keine Zahl\rDatei: ")
                                       + QDir::toNativeSeparators(path));

    QTemporaryDir dir;
    IsdReader reader;
    EXPECT_EQ(reader.open(dir.filePath(QStringLiteral("fehlt.ISD"))), IsdError::Open);
    EXPECT_EQ(reader.errorDetail(), QStringLiteral("Datei nicht vorhanden"));
}

TEST(ErrorText, QtsOwnWordsAreGermanWhenItsTranslationIsThere)
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translation is not installed";
    Translations translations;
    ASSERT_TRUE(translations.install(Language::German, QString()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST(ErrorText, Kx2ctlOptionErrorsAreGerman)
{
    struct Case {
        QStringList args;
        const char* error;
    };
    const Case cases[] = {
        {{QStringLiteral("--bogus")}, "Unbekannte Option: --bogus"},
        {{QStringLiteral("-x"), QStringLiteral("-y")}, "Unbekannte Optionen: -x, -y"},
        {{QStringLiteral("--port")}, "Wert fehlt nach --port"},
        {{QStringLiteral("--yes=1")}, "Unerwarteter Wert nach --yes"},
    };
    for (const Case& c : cases) {
        QCommandLineParser parser;
        parser.addOption({QStringLiteral("port"), QStringLiteral("Port"), QStringLiteral("p")});
        parser.addOption({QStringLiteral("yes"), QStringLiteral("ja")});
        ASSERT_FALSE(parser.parse(QStringList{QStringLiteral("kx2ctl send")} + c.args));
        EXPECT_EQ(cli::germanParseError(parser), QString::fromUtf8(c.error)) << c.error;
    }
}
