// The settings file KX2_DF.INF: its three lines, and where it goes when the program folder
// cannot take it.
#include "shell/Settings.h"
#include "shell/SettingsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

struct SettingsFiles : ::testing::Test {
    void SetUp() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("prog"));
        program = dir.filePath(QStringLiteral("prog"));
        config = dir.filePath(QStringLiteral("config"));
    }
    QString programFile() const { return QDir(program).filePath(SettingsFile::FileName); }
    QString configFile() const { return QDir(config).filePath(SettingsFile::FileName); }
    static void put(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray get(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Settings that differ from the defaults in every stored field.
    static Settings odd()
    {
        Settings s;
        s.ComPortNumber = QStringLiteral("7");
        s.ComPortIsText = true;
        s.BaudRate = 9600;
        s.LastFileName = QStringLiteral("x.ISD");
        return s;
    }
    QTemporaryDir dir;
    QString program, config;
};

} // namespace

// Each line: what the file holds (nothing: no file), how the read ends, and the port (whether it
// is written back quoted), baud rate and last file name it gives; a file that cannot be read gives
// the defaults 3, 115200 and "".
TEST_F(SettingsFiles, ReadTakesThreeLinesInEitherFormAndAnythingElseGivesTheDefaults)
{
    using S = SettingsFile::ReadStatus;
    const struct {
        QByteArray bytes;
        S status;
        const char* port;
        bool text;
        int baud;
        QString last;
    } rows[] = {
        {"<none>", S::Missing, "3", false, 115200, ""},
        {"\"2\"\r\n\"19200\"\r\n\"\"\r\n", S::Read, "2", true, 19200, ""},
        {"  5 \n 9600\nletzte.isd", S::Read, "5", false, 9600, "letzte.isd"},
        {"1\r\n16666\r\n\r\n", S::Read, "1", false, 16666, ""},
        {"1\r\n57600\r\n\"\"\r\n", S::Read, "1", false, 57600, ""},
        {"3\r\n115200\r\n\"C:\\Daten\\Z\xFCge.ISD\"\r\n", S::Read, "3", false, 115200, QStringLiteral("C:\\Daten\\Züge.ISD")},
        {"\"/dev/ttyUSB0\"\r\n19200\r\n\"\"\r\n", S::Read, "/dev/ttyUSB0", true, 19200, ""},
        {"", S::Unreadable, "3", false, 115200, ""},
        {"3\r\n115200\r\n", S::Unreadable, "3", false, 115200, ""},
        {"3\r\nschnell\r\n\"\"\r\n", S::Unreadable, "3", false, 115200, ""},
        {"3\r\n0\r\n\"\"\r\n", S::Unreadable, "3", false, 115200, ""},
        {"3\r\n-9600\r\n\"\"\r\n", S::Unreadable, "3", false, 115200, ""},
        {"3\r\n99999999999\r\n\"\"\r\n", S::Unreadable, "3", false, 115200, ""},
        {"\r\n115200\r\n\"\"\r\n", S::Unreadable, "3", false, 115200, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        QFile::remove(programFile());
        if (row.bytes != "<none>")
            put(programFile(), row.bytes);
        SettingsFile file(program, config);
        Settings s = odd();
        s.UseLocoNetInterface = true;
        s.UseUsbInterface = false;
        EXPECT_EQ(file.ReadSettings(s), row.status);
        EXPECT_EQ(std::tuple(s.ComPortNumber, s.ComPortIsText, s.BaudRate, s.LastFileName),
                  std::tuple(QString::fromLatin1(row.port), row.text, row.baud, row.last));
        EXPECT_EQ(std::pair(s.UseLocoNetInterface, s.UseUsbInterface), std::pair(true, false)) << "not in the file";
    }
}

// Each line: the port as set and whether it was typed, and the file written: a number stays plain
// unless it was typed, any other text is quoted; the last file name is always written as "". The
// file replaces whatever was there and reads back as it was written.
TEST_F(SettingsFiles, WriteQuotesTypedPortsAndNamesAndForgetsTheLastFileName)
{
    const struct {
        const char* port;
        bool typed;
        int baud;
        QByteArray bytes;
    } rows[] = {
        {"3", false, 115200, "3\r\n115200\r\n\"\"\r\n"},
        {"4", true, 19200, "\"4\"\r\n19200\r\n\"\"\r\n"},
        {"12", false, 16666, "12\r\n16666\r\n\"\"\r\n"},
        {"/dev/ttyUSB0", false, 9600, "\"/dev/ttyUSB0\"\r\n9600\r\n\"\"\r\n"},
        {"COM7", false, 115200, "\"COM7\"\r\n115200\r\n\"\"\r\n"},
        {"SIM", false, 115200, "\"SIM\"\r\n115200\r\n\"\"\r\n"},
        {"", false, 115200, "\"\"\r\n115200\r\n\"\"\r\n"},
    };
    put(programFile(), "1\r\n9600\r\n\"eine sehr lange alte Zeile\"\r\nnoch mehr\r\n");
    SettingsFile file(program, config);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.port);
        Settings s;
        s.ComPortNumber = QString::fromLatin1(row.port);
        s.ComPortIsText = row.typed;
        s.BaudRate = row.baud;
        s.LastFileName = QStringLiteral("alt.ISD");
        const SettingsFile::WriteResult r = file.WriteSettings(s);
        EXPECT_TRUE(r.written);
        EXPECT_EQ(r.path, programFile());
        EXPECT_TRUE(r.notice.isEmpty());
        EXPECT_EQ(get(programFile()), row.bytes);
        Settings back = odd();
        EXPECT_EQ(file.ReadSettings(back), SettingsFile::ReadStatus::Read);
        EXPECT_EQ(std::pair(back.ComPortNumber, back.BaudRate), std::pair(s.ComPortNumber, s.BaudRate));
    }
    // A quoted port with a quote in it survives too.
    Settings s;
    s.ComPortNumber = QStringLiteral("a\"b");
    ASSERT_TRUE(file.WriteSettings(s).written);
    Settings back;
    file.ReadSettings(back);
    EXPECT_EQ(back.ComPortNumber, s.ComPortNumber);
}

TEST_F(SettingsFiles, AFileNamedInAnotherCaseIsReadAndReplaced)
{
    const QString lower = QDir(program).filePath(QStringLiteral("kx2_df.inf"));
    put(lower, "2\r\n19200\r\n\"\"\r\n");
    SettingsFile file(program, config);
    Settings s;
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("2"));
    s.BaudRate = 9600;
    file.WriteSettings(s);
    EXPECT_EQ(get(lower), QByteArray("2\r\n9600\r\n\"\"\r\n"));
    EXPECT_EQ(QDir(program).entryList(QDir::Files).size(), 1);
}

// A program "folder" that is a plain file cannot take a file, whoever runs the test: the settings
// go to the configuration folder, the user is told once, and the next run reads them from there.
TEST_F(SettingsFiles, AnUnwritableProgramFolderFallsBackToTheConfigurationFolder)
{
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    put(blocked, "x");
    SettingsFile file(blocked, config);
    Settings s;
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Missing);
    s.ComPortNumber = QStringLiteral("/dev/ttyUSB0");
    SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.path, configFile());
    EXPECT_TRUE(r.notice.contains(QStringLiteral("Programmordner")));
    EXPECT_TRUE(r.notice.contains(QDir::toNativeSeparators(configFile())));
    EXPECT_EQ(get(configFile()), QByteArray("\"/dev/ttyUSB0\"\r\n115200\r\n\"\"\r\n"));
    Settings next;
    EXPECT_EQ(file.ReadSettings(next), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(next.ComPortNumber, QStringLiteral("/dev/ttyUSB0"));
    r = file.WriteSettings(next);
    EXPECT_TRUE(r.written && r.notice.isEmpty()) << "told only once";

    // Nowhere to go: reported, not swallowed.
    SettingsFile nowhere(blocked, QDir(blocked).filePath(QStringLiteral("config")));
    r = nowhere.WriteSettings(s);
    EXPECT_FALSE(r.written);
    EXPECT_TRUE(r.notice.contains(QStringLiteral("nicht gespeichert")));
    EXPECT_FALSE(SettingsFile(blocked, QString()).WriteSettings(s).notice.isEmpty());
}

// With a copy in both folders the newer one is read; a write to the program folder retires the
// copy in the configuration folder.
TEST_F(SettingsFiles, TheNewerOfTwoFilesIsReadAndTheFallbackRetired)
{
    put(programFile(), "1\r\n9600\r\n\"\"\r\n");
    put(configFile(), "2\r\n19200\r\n\"\"\r\n");
    const auto age = [](const QString& path, int days) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addDays(-days), QFileDevice::FileModificationTime));
    };
    age(programFile(), 1);
    SettingsFile file(program, config);
    Settings s;
    file.ReadSettings(s);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("2"));
    age(configFile(), 2);
    file.ReadSettings(s);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("1"));

    QFile::remove(programFile());
    put(configFile(), "\"9\"\r\n9600\r\n\"\"\r\n");
    file.ReadSettings(s);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("9"));
    EXPECT_EQ(file.WriteSettings(s).path, programFile());
    EXPECT_FALSE(QFile::exists(configFile()));
    EXPECT_EQ(get(programFile()), QByteArray("\"9\"\r\n9600\r\n\"\"\r\n"));
}
