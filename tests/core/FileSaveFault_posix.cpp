// Saving the locomotive files where the system does not let the file be written: a folder that
// cannot be written, a full disk, a file that cannot be overwritten. Each is reported with a
// critical box, and the old file and the table are left exactly as they were.
// Making a place unwritable needs a read-only bind mount, a small tmpfs or the immutable flag as
// root (chmod alone does not stop root), or chmod as an ordinary user; where neither is allowed
// the case is skipped.
#include "dbproto/IsdFile.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTable.h"
#include "shell/Settings.h"
#include "shell/SettingsFile.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileDialog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kx2;

namespace {

bool isRoot()
{
    return ::geteuid() == 0;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Writes to `path` until the file system has no byte left.
void fillUp(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    while (::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
}

// Whether a new file can be created in `folder` (tried, then removed).
bool canCreateIn(const QString& folder)
{
    const QByteArray probe = QDir(folder).filePath(QStringLiteral(".probe")).toLocal8Bit();
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

bool canAppendTo(const QString& file)
{
    const int fd = ::open(file.toLocal8Bit().constData(), O_WRONLY | O_APPEND);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool setImmutable(const QString& file, bool on)
{
    const int fd = ::open(file.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// A place made read-only for the length of a test, undone however the test ends.
class Protection {
public:
    Protection() = default;
    Protection(const Protection&) = delete;
    Protection& operator=(const Protection&) = delete;
    ~Protection()
    {
        if (!m_immutable.isEmpty())
            setImmutable(m_immutable, false);
        for (auto it = m_mounts.rbegin(); it != m_mounts.rend(); ++it)
            ::umount2(it->toLocal8Bit().constData(), MNT_DETACH);
        for (const auto& [path, mode] : m_modes)
            ::chmod(path.toLocal8Bit().constData(), mode);
    }

    // `path` (a folder or a file) becomes a read-only view of itself.
    bool bindReadOnly(const QString& path)
    {
        const QByteArray p = path.toLocal8Bit();
        if (::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) != 0)
            return false;
        m_mounts.push_back(path);
        return ::mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }

    bool tmpfs(const QString& folder, const char* size)
    {
        const QByteArray options = QByteArray("size=") + size;
        if (::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) != 0)
            return false;
        m_mounts.push_back(folder);
        return true;
    }

    bool immutable(const QString& file)
    {
        if (!setImmutable(file, true))
            return false;
        m_immutable = file;
        return true;
    }

    bool chmodTo(const QString& path, mode_t mode)
    {
        struct stat st{};
        if (::stat(path.toLocal8Bit().constData(), &st) != 0)
            return false;
        m_modes.emplace_back(path, st.st_mode & 07777);
        return ::chmod(path.toLocal8Bit().constData(), mode) == 0;
    }

private:
    std::vector<QString> m_mounts;
    std::vector<std::pair<QString, mode_t>> m_modes;
    QString m_immutable;
};

struct SaveFaults : ::testing::Test {
    QTemporaryDir dir;
    LocoTable table;
    StoredSerial serial;
    FakeDialogs dialogs;
    FakeFileDialog files;
    Settings settings;
    LocoFileContext ctx{table, serial, dialogs, files, settings, {}};
    LocoTable tableBefore;
    StoredSerial serialBefore;
    const QByteArray oldBytes = "\"KX2-Lokdaten Version 1.0\"\r\n1\r\n2\r\n3\r\n4\r\n";

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        table.markAllForDeviceRead();
        table.clearTable();
        for (int i = 0; i < 500; ++i) {
            table.createRecord(i, i + 1, QStringLiteral("Lok Nr. %1 äöü").arg(i));
            table.setStatus(i, i % 3);
            table.set(i, LocoTable::FormatCode, 82);
            table.set(i, LocoTable::FormatParam, 17);
        }
        for (int k = 1; k <= 4; ++k)
            serial.set(k, 10 * k);
        tableBefore = table;
        serialBefore = serial;
    }

    QString folder(const QString& name)
    {
        const QString f = dir.filePath(name);
        QDir().mkpath(f);
        return f;
    }

    // One critical box with the save failure, naming the file.
    void expectReported(const QString& path)
    {
        ASSERT_EQ(dialogs.calls.size(), 1u);
        const auto& box = dialogs.calls[0];
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.title, IsdErrorTitle());
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Fehler beim Speichern des Files") + QChar(13)
                                        + QDir::toNativeSeparators(path)))
            << box.text.toStdString();
    }

    void expectTableKept()
    {
        EXPECT_TRUE(table == tableBefore);
        EXPECT_TRUE(serial == serialBefore);
    }
};

} // namespace

TEST_F(SaveFaults, FolderThatCannotBeWrittenIsReportedAndKeepsTheOldFile)
{
    const QString ro = folder(QStringLiteral("schreibgeschuetzt"));
    const QString old = QDir(ro).filePath(QStringLiteral("LOK.ISD"));
    ASSERT_TRUE(writeFile(old, oldBytes));
    Protection guard;
    const bool made = isRoot() ? guard.bindReadOnly(ro) : guard.chmodTo(ro, 0555);
    if (!made || canCreateIn(ro))
        GTEST_SKIP() << "a folder cannot be made read-only here";

    files.chooseNext(old);
    EXPECT_FALSE(SpeichernMenu(ctx));
    expectReported(old);
    EXPECT_EQ(readAll(old), oldBytes);
    expectTableKept();

    // A new file there fails the same way and leaves nothing behind.
    dialogs.clear();
    const QString fresh = QDir(ro).filePath(QStringLiteral("NEU.ISD"));
    files.chooseNext(fresh);
    EXPECT_FALSE(SpeichernMenu(ctx));
    expectReported(fresh);
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(QDir(ro).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("LOK.ISD")});
}

TEST_F(SaveFaults, FullDiskIsReportedAndKeepsTheOldFileWithoutLeftovers)
{
    const QString small = folder(QStringLiteral("voll"));
    Protection guard;
    if (!isRoot() || !guard.tmpfs(small, "64k"))
        GTEST_SKIP() << "no small tmpfs can be mounted here";
    const QString old = QDir(small).filePath(QStringLiteral("LOK.ISD"));
    ASSERT_TRUE(writeFile(old, oldBytes));

    // The table file (about 150 kB) does not fit into 64 kB.
    files.chooseNext(old);
    EXPECT_FALSE(SpeichernMenu(ctx));
    expectReported(old);
    EXPECT_EQ(readAll(old), oldBytes);
    EXPECT_EQ(QDir(small).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("LOK.ISD")})
        << "the half-written file is gone";
    expectTableKept();

    // With the disk filled to the last byte even a single record (85 short lines, less than the
    // write buffer) fails, and the old record file keeps its contents rather than becoming empty.
    const QString record = QDir(small).filePath(QStringLiteral("EINE.ISD"));
    const QByteArray oldRecord = "\"KX2-Lokdatensatz Version 1.0\"\r\n1\r\n";
    ASSERT_TRUE(writeFile(record, oldRecord));
    fillUp(QDir(small).filePath(QStringLiteral("fueller")));
    dialogs.clear();
    files.chooseNext(record);
    EXPECT_FALSE(save_daten_satz(ctx, 17));
    expectReported(record);
    EXPECT_EQ(readAll(record), oldRecord);
    const QString fresh = QDir(small).filePath(QStringLiteral("NEU.ISD"));
    dialogs.clear();
    files.chooseNext(fresh);
    EXPECT_FALSE(save_daten_satz(ctx, 17));
    expectReported(fresh);
    EXPECT_FALSE(QFile::exists(fresh)) << "no empty file left behind";
    expectTableKept();
}

TEST_F(SaveFaults, SettingsOnAFullDiskKeepTheOldFileAndGoToTheFallbackFolder)
{
    const QString program = folder(QStringLiteral("programm"));
    Protection guard;
    if (!isRoot() || !guard.tmpfs(program, "64k"))
        GTEST_SKIP() << "no small tmpfs can be mounted here";
    const QString old = QDir(program).filePath(SettingsFile::FileName);
    const QByteArray oldSettings = "2\r\n19200\r\n\"\"\r\n";
    ASSERT_TRUE(writeFile(old, oldSettings));
    {
        // Written by an earlier run.
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    fillUp(QDir(program).filePath(QStringLiteral("fueller")));

    SettingsFile file(program, dir.filePath(QStringLiteral("konfiguration")));
    Settings s;
    s.ComPortNumber = QStringLiteral("/dev/ttyUSB0");
    s.BaudRate = 115200;
    const SettingsFile::WriteResult r = file.WriteSettings(s);
    EXPECT_EQ(readAll(old), oldSettings) << "not replaced by an empty file";
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.path, file.fallbackFilePath());
    EXPECT_FALSE(r.notice.isEmpty()) << "the user is told where the settings went";
    Settings back;
    EXPECT_EQ(file.ReadSettings(back), SettingsFile::ReadStatus::Read);
    EXPECT_EQ(back.ComPortNumber, s.ComPortNumber);
    EXPECT_EQ(back.BaudRate, 115200);
}

TEST_F(SaveFaults, FileThatCannotBeOverwrittenIsReportedAndKept)
{
    const QString place = folder(QStringLiteral("datei"));
    const QString old = QDir(place).filePath(QStringLiteral("LOK.ISD"));
    ASSERT_TRUE(writeFile(old, oldBytes));
    Protection guard;
    bool made = false;
    if (isRoot())
        made = guard.immutable(old) || guard.bindReadOnly(old);
    else
        made = guard.chmodTo(old, 0444);
    if (!made || canAppendTo(old))
        GTEST_SKIP() << "a file cannot be made read-only here";

    files.chooseNext(old);
    EXPECT_FALSE(SpeichernMenu(ctx));
    expectReported(old);
    EXPECT_EQ(readAll(old), oldBytes);
    EXPECT_EQ(QDir(place).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("LOK.ISD")});
    expectTableKept();

    dialogs.clear();
    files.chooseNext(old);
    EXPECT_FALSE(save_daten_satz(ctx, 3));
    expectReported(old);
    EXPECT_EQ(readAll(old), oldBytes);
}

// A write that breaks off half-way: a file size limit, which binds root too and needs no mount.
TEST(SaveFaultsAnyUser, WriteThatBreaksOffHalfWayKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("alt.isd"));
    ASSERT_TRUE(writeFile(p, "alter Inhalt"));
    IsdWriter w(IsdHeaderLocoTable());
    for (int i = 0; i < 20000; ++i)
        w.writeCell(i);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = w.saveTo(p);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(p), QByteArray("alter Inhalt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.isd")});
}
