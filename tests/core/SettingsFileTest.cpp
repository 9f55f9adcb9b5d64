#include "shell/Settings.h"
#include "shell/SettingsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


using namespace kx2;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("prog"));
        program = m_dir.filePath(QStringLiteral("prog"));
        config = m_dir.filePath(QStringLiteral("config"));
    }

    QString programFile() const { return QDir(program).filePath(QStringLiteral("KX2_DF.INF")); }
    QString configFile() const { return QDir(config).filePath(QStringLiteral("KX2_DF.INF")); }

    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray get(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
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

    QTemporaryDir m_dir;
    QString program;
    QString config;
};

void expectDefaults(const Settings& s)
{
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("3"));
    EXPECT_FALSE(s.ComPortIsText);
    EXPECT_EQ(s.BaudRate, 115200);
    EXPECT_EQ(s.LastFileName, QString());
}

} // namespace

TEST_F(SettingsFileTest, MissingFileGivesDefaults)
{
    SettingsFile file(program, config);
    Settings s = odd();
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Missing);
    expectDefaults(s);
    EXPECT_FALSE(file.exists());
}

TEST_F(SettingsFileTest, DefaultsAreWrittenAsThreeCrLfLines)
{
    SettingsFile file(program, config);
    Settings s;
    file.ReadSettings(s);
    const SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_TRUE(r.written);
    EXPECT_TRUE(r.notice.isEmpty());
    EXPECT_EQ(r.path, programFile());
    EXPECT_EQ(get(programFile()), QByteArray("3\r\n115200\r\n\"\"\r\n"));
}

TEST_F(SettingsFileTest, PortTypedAsTextIsWrittenQuoted)
{
    SettingsFile file(program, config);
    Settings s;
    s.ComPortNumber = QStringLiteral("4");
    s.ComPortIsText = true;
    s.BaudRate = 19200;
    file.WriteSettings(s);
    EXPECT_EQ(get(programFile()), QByteArray("\"4\"\r\n19200\r\n\"\"\r\n"));
}

TEST_F(SettingsFileTest, BothPortFormsSurviveARoundTrip)
{
    SettingsFile file(program, config);
    for (bool asText : {false, true}) {
        Settings s;
        s.ComPortNumber = QStringLiteral("12");
        s.ComPortIsText = asText;
        s.BaudRate = 16666;
        ASSERT_TRUE(file.WriteSettings(s).written);
        Settings back = odd();
        EXPECT_EQ(file.ReadSettings(back), SettingsFile::ReadStatus::Read);
        EXPECT_EQ(back.ComPortNumber, QStringLiteral("12"));
        EXPECT_EQ(back.ComPortIsText, asText);
        EXPECT_EQ(back.BaudRate, 16666);
        EXPECT_EQ(back.LastFileName, QString());
    }
}

TEST_F(SettingsFileTest, DeviceNamesAreAlwaysQuotedAndReadBack)
{
    SettingsFile file(program, config);
    for (const QString& port : {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("COM7"), QStringLiteral("SIM"),
                                QStringLiteral("a\"b"), QString()}) {
        Settings s;
        s.ComPortNumber = port;
        s.ComPortIsText = false;  // even when nobody said it was typed: it is no number
        ASSERT_TRUE(file.WriteSettings(s).written);
        EXPECT_TRUE(get(programFile()).startsWith('"')) << port.toStdString();
        Settings back;
        EXPECT_EQ(file.ReadSettings(back), SettingsFile::ReadStatus::Read) << port.toStdString();
        EXPECT_EQ(back.ComPortNumber, port);
        EXPECT_TRUE(back.ComPortIsText);
    }
}

TEST_F(SettingsFileTest, ThirdLineBecomesLastFileNameButIsWrittenBackEmpty)
{
    put(programFile(), QByteArray("3\r\n115200\r\n\"C:\\Daten\\Z\xFCge.ISD\"\r\n"));
    SettingsFile file(program, config);
    Settings s;
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(s.LastFileName, QStringLiteral("C:\\Daten\\Züge.ISD"));
    file.WriteSettings(s);
    EXPECT_EQ(get(programFile()), QByteArray("3\r\n115200\r\n\"\"\r\n"));
}

TEST_F(SettingsFileTest, ReaderAcceptsBothFormsBlanksAndBareLineFeeds)
{
    Settings s;
    ASSERT_TRUE(SettingsFile::parse("\"2\"\r\n\"19200\"\r\n\"\"\r\n", s));
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("2"));
    EXPECT_TRUE(s.ComPortIsText);
    EXPECT_EQ(s.BaudRate, 19200);

    ASSERT_TRUE(SettingsFile::parse("  5 \n 9600\nletzte.isd", s));
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("5"));
    EXPECT_FALSE(s.ComPortIsText);
    EXPECT_EQ(s.BaudRate, 9600);
    EXPECT_EQ(s.LastFileName, QStringLiteral("letzte.isd"));

    // An empty third line is an empty name.
    ASSERT_TRUE(SettingsFile::parse("1\r\n16666\r\n\r\n", s));
    EXPECT_EQ(s.LastFileName, QString());
    // A baud rate none of the options offers is kept.
    ASSERT_TRUE(SettingsFile::parse("1\r\n57600\r\n\"\"\r\n", s));
    EXPECT_EQ(s.BaudRate, 57600);
}

TEST_F(SettingsFileTest, DamagedFilesGiveDefaults)
{
    const QByteArray damaged[] = {
        QByteArray(),
        QByteArray("3\r\n115200\r\n"),          // third line missing
        QByteArray("3\r\nschnell\r\n\"\"\r\n"), // no number
        QByteArray("3\r\n0\r\n\"\"\r\n"),
        QByteArray("3\r\n-9600\r\n\"\"\r\n"),
        QByteArray("3\r\n99999999999\r\n\"\"\r\n"),
        QByteArray("\r\n115200\r\n\"\"\r\n"),   // no port
    };
    SettingsFile file(program, config);
    for (const QByteArray& bytes : damaged) {
        put(programFile(), bytes);
        Settings s = odd();
        EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Unreadable) << bytes.toStdString();
        expectDefaults(s);
    }
}

TEST_F(SettingsFileTest, ReadingLeavesTheInterfaceFlagsAlone)
{
    put(programFile(), QByteArray("1\r\n16666\r\n\"\"\r\n"));
    SettingsFile file(program, config);
    Settings s;
    s.UseLocoNetInterface = true;
    s.UseUsbInterface = false;
    file.ReadSettings(s);
    EXPECT_TRUE(s.UseLocoNetInterface);
    EXPECT_FALSE(s.UseUsbInterface);
}

TEST_F(SettingsFileTest, FileNamedInOtherCaseIsReadAndReplaced)
{
    const QString lower = QDir(program).filePath(QStringLiteral("kx2_df.inf"));
    put(lower, QByteArray("2\r\n19200\r\n\"\"\r\n"));
    SettingsFile file(program, config);
    Settings s;
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("2"));
    s.BaudRate = 9600;
    file.WriteSettings(s);
    EXPECT_EQ(get(lower), QByteArray("2\r\n9600\r\n\"\"\r\n"));
    EXPECT_EQ(QDir(program).entryList(QDir::Files).size(), 1);
}

TEST_F(SettingsFileTest, UnwritableProgramFolderFallsBackToConfigFolderAndSaysSoOnce)
{
    // A program "folder" that is a plain file cannot take a file, whoever runs the test.
    const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
    put(blocked, QByteArray("x"));
    SettingsFile file(blocked, config);

    Settings s;
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Missing);
    s.ComPortNumber = QStringLiteral("/dev/ttyUSB0");
    s.ComPortIsText = true;
    SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.path, configFile());
    EXPECT_TRUE(r.notice.contains(QStringLiteral("Programmordner")));
    EXPECT_TRUE(r.notice.contains(QDir::toNativeSeparators(configFile())));
    EXPECT_EQ(get(configFile()), QByteArray("\"/dev/ttyUSB0\"\r\n115200\r\n\"\"\r\n"));

    // The next run reads it from there and is not told again.
    Settings next;
    EXPECT_EQ(file.ReadSettings(next), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(next.ComPortNumber, QStringLiteral("/dev/ttyUSB0"));
    r = file.WriteSettings(next);
    EXPECT_TRUE(r.written);
    EXPECT_TRUE(r.notice.isEmpty());
}

TEST_F(SettingsFileTest, NothingWritableIsReportedNotSwallowed)
{
    const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
    put(blocked, QByteArray("x"));
    // The configuration folder cannot be created under a plain file either.
    SettingsFile file(blocked, QDir(blocked).filePath(QStringLiteral("config")));
    Settings s;
    const SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_FALSE(r.written);
    EXPECT_TRUE(r.notice.contains(QStringLiteral("nicht gespeichert")));

    SettingsFile noFallback(blocked, QString());
    const SettingsFile::WriteResult r2 = noFallback.WriteSettings(s);
    EXPECT_FALSE(r2.written);
    EXPECT_FALSE(r2.notice.isEmpty());
}

TEST_F(SettingsFileTest, ReadOnlyProgramFolderFallsBack)
{
    put(programFile(), QByteArray("2\r\n19200\r\n\"\"\r\n"));
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(programFile(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        QFile probe(QDir(program).filePath(QStringLiteral("probe")));
        const bool stillWritable = probe.open(QIODevice::WriteOnly);
        if (stillWritable) {
            probe.close();
            probe.remove();
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
            GTEST_SKIP() << "file permissions do not stop this user (root)";
        }
    }
    SettingsFile file(program, config);
    Settings s;
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Read);
    s.ComPortNumber = QStringLiteral("4");
    s.ComPortIsText = true;
    const SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.path, configFile());
    EXPECT_FALSE(r.notice.isEmpty());
    EXPECT_EQ(get(programFile()), QByteArray("2\r\n19200\r\n\"\"\r\n"));

    // The read-only folder still holds the old file; the newer values win.
    Settings next;
    EXPECT_EQ(file.ReadSettings(next), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(next.ComPortNumber, QStringLiteral("4"));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

TEST_F(SettingsFileTest, WritingToTheProgramFolderRetiresTheFallbackCopy)
{
    QDir().mkpath(config);
    put(configFile(), QByteArray("\"9\"\r\n9600\r\n\"\"\r\n"));
    SettingsFile file(program, config);
    Settings s;
    // Only the fallback exists: it is read even though the program folder is writable.
    EXPECT_EQ(file.ReadSettings(s), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("9"));
    const SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_EQ(r.path, programFile());
    EXPECT_FALSE(QFile::exists(configFile()));
    EXPECT_EQ(get(programFile()), QByteArray("\"9\"\r\n9600\r\n\"\"\r\n"));
}

TEST_F(SettingsFileTest, WithBothFilesTheNewerOneIsRead)
{
    QDir().mkpath(config);
    put(programFile(), QByteArray("1\r\n9600\r\n\"\"\r\n"));
    put(configFile(), QByteArray("2\r\n19200\r\n\"\"\r\n"));
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    {
        QFile f(programFile());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    SettingsFile file(program, config);
    Settings s;
    file.ReadSettings(s);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("2"));
    {
        QFile f(configFile());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old.addDays(-1), QFileDevice::FileModificationTime));
    }
    file.ReadSettings(s);
    EXPECT_EQ(s.ComPortNumber, QStringLiteral("1"));
}

TEST_F(SettingsFileTest, WriteReplacesTheWholeFile)
{
    put(programFile(), QByteArray("1\r\n9600\r\n\"eine sehr lange alte Zeile\"\r\nnoch mehr\r\n"));
    SettingsFile file(program, config);
    Settings s;
    file.ReadSettings(s);
    file.WriteSettings(s);
    EXPECT_EQ(get(programFile()), QByteArray("1\r\n9600\r\n\"\"\r\n"));
}
