// Saves where the system does not let the file be written: a folder that cannot be written, a
// full disk, a file that cannot be overwritten, a write that breaks off. Each is reported with a
// critical box, and the old file and the table are left exactly as they were.
// Making a place unwritable needs a read-only bind mount, a small tmpfs or the immutable flag as
// root (chmod alone does not stop root), or chmod as an ordinary user; where neither is allowed
// the case is skipped.
#include "records/IsdFile.h"
#include "shell/FileErrors.h"
#include "loco/LocoFiles.h"
#include "shell/Settings.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileDialog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

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

bool isRoot() { return ::geteuid() == 0; }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file as an earlier run left it, an hour ago.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush()
           && f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

// Writes to `path` until the file system has no byte left.
void fillUp(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const QByteArray block(4096, 'x');
    while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    while (fd >= 0 && ::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
}

// Whether `path` can still be written: a new file in a folder, an append to a file.
bool writable(const QString& path)
{
    const bool folder = QFileInfo(path).isDir();
    const QByteArray p = (folder ? QDir(path).filePath(QStringLiteral(".probe")) : path).toLocal8Bit();
    const int fd = ::open(p.constData(), folder ? O_WRONLY | O_CREAT | O_EXCL : O_WRONLY | O_APPEND, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    if (folder)
        ::unlink(p.constData());
    return true;
}

bool setImmutable(const QString& file, bool on)
{
    const int fd = ::open(file.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

// A place made read-only or small for the length of a test, undone however the test ends.
class Protection {
public:
    ~Protection()
    {
        if (!m_immutable.isEmpty())
            setImmutable(m_immutable, false);
        for (auto it = m_mounts.rbegin(); it != m_mounts.rend(); ++it)
            ::umount2(it->toLocal8Bit().constData(), MNT_DETACH);
        for (const auto& [path, mode] : m_modes)
            ::chmod(path.toLocal8Bit().constData(), mode);
    }
    // A folder or a file made read-only: a read-only view of itself, or chmod.
    bool readOnly(const QString& path, bool orImmutable = false)
    {
        const QByteArray p = path.toLocal8Bit();
        if (isRoot()) {
            if (orImmutable && setImmutable(path, true)) {
                m_immutable = path;
                return !writable(path);
            }
            if (::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) != 0)
                return false;
            m_mounts.push_back(path);
            ::mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
        } else {
            struct stat st{};
            ::stat(p.constData(), &st);
            m_modes.emplace_back(path, st.st_mode & 07777);
            ::chmod(p.constData(), QFileInfo(path).isDir() ? 0555 : 0444);
        }
        return !writable(path);
    }
    bool tmpfs(const QString& folder)
    {
        if (!isRoot() || ::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
            return false;
        m_mounts.push_back(folder);
        return true;
    }

private:
    std::vector<QString> m_mounts;
    std::vector<std::pair<QString, mode_t>> m_modes;
    QString m_immutable;
};

using Spoil = std::function<bool(Protection&, const QString& folder, const QString& old, const QByteArray& bytes)>;
const Spoil kReadOnlyFolder = [](Protection& p, const QString& f, const QString& old, const QByteArray& bytes) {
    return writeFile(old, bytes) && p.readOnly(f);
};
const Spoil kSmallDisk = [](Protection& p, const QString& f, const QString& old, const QByteArray& bytes) {
    return p.tmpfs(f) && writeFile(old, bytes);
};
const Spoil kFullDisk = [](Protection& p, const QString& f, const QString& old, const QByteArray& bytes) {
    return kSmallDisk(p, f, old, bytes) && (fillUp(QDir(f).filePath(QStringLiteral("fueller"))), true);
};
const Spoil kReadOnlyFile = [](Protection& p, const QString&, const QString& old, const QByteArray& bytes) {
    return writeFile(old, bytes) && p.readOnly(old, true);
};

} // namespace

// Each line: how the place is spoiled, which save goes there (the whole table, about 150 kB, or
// one record of 85 short lines), over the old file or as a new one. The table does not fit into
// 64 kB; with the disk filled to the last byte not even a record fits.
TEST(SaveFaults, ASaveThatCannotBeWrittenIsReportedAndKeepsTheOldFileAndTheTable)
{
    const struct {
        const char* what;
        Spoil spoil;
        bool record;
        const char* file;
    } cases[] = {
        {"a read-only folder, over the old file", kReadOnlyFolder, false, "LOK.ISD"},
        {"a read-only folder, a new file", kReadOnlyFolder, false, "NEU.ISD"},
        {"a full disk, over the old file", kSmallDisk, false, "LOK.ISD"},
        {"a disk filled to the last byte, one record over the old file", kFullDisk, true, "LOK.ISD"},
        {"a disk filled to the last byte, one record as a new file", kFullDisk, true, "NEU.ISD"},
        {"a file that cannot be overwritten", kReadOnlyFile, false, "LOK.ISD"},
        {"a file that cannot be overwritten, one record", kReadOnlyFile, true, "LOK.ISD"},
    };
    const QByteArray oldBytes = "\"KX2-Lokdaten Version 1.0\"\r\n1\r\n2\r\n3\r\n4\r\n";
    int ran = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ort"));
        QDir().mkpath(folder);
        const QString old = QDir(folder).filePath(QStringLiteral("LOK.ISD"));
        Protection guard;
        if (!c.spoil(guard, folder, old, oldBytes))
            continue;
        ++ran;
        const QStringList filesBefore = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        LocoTable table;
        table.clearTable();
        for (int i = 0; i < 500; ++i)
            table.createRecord(i, i + 1, QStringLiteral("Lok Nr. %1 äöü").arg(i));
        const LocoTable before = table;
        StoredSerial serial;
        FakeDialogs dialogs;
        FakeFileDialog files;
        Settings settings;
        LocoFileContext ctx{table, serial, dialogs, files, settings, {}};
        const QString path = QDir(folder).filePath(QString::fromLatin1(c.file));
        files.chooseNext(path);
        EXPECT_FALSE(c.record ? saveLocoRecord(ctx, 17) : saveLocoTable(ctx));
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(std::tuple(dialogs.last().icon, dialogs.last().buttons, dialogs.last().title),
                  std::tuple(MsgIcon::Critical, MsgButtons::Ok, isdErrorTitle()));
        EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("Fehler beim Speichern des Files") + QChar(13)
                                                   + QDir::toNativeSeparators(path)))
            << dialogs.last().text.toStdString();
        EXPECT_EQ(readAll(old), oldBytes);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), filesBefore) << "nothing half-written left behind";
        EXPECT_TRUE(table == before);
    }
    if (ran == 0)
        GTEST_SKIP() << "no place can be made unwritable here";
}

// A write that breaks off half-way: a file size limit, which binds root too and needs no mount.
TEST(SaveFaults, AWriteThatBreaksOffHalfWayKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("alt.isd"));
    ASSERT_TRUE(writeFile(p, "alter Inhalt"));
    IsdWriter w(isdHeaderLocoTable());
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

// A device or a pipe where the file should go stays what it is (as root a save would otherwise
// put a file in place of /dev/full).
TEST(SaveFaults, ADeviceOrPipeAtTheTargetIsRefusedAndStays)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("leitung"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(saveFileWhole(pipe, "x"), QStringLiteral("keine gewöhnliche Datei (ein Gerät oder eine Leitung)"));
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

// A write onto a device that is always full says so in the program's own words, whatever
// language Qt's catalogue gives the system's text in.
TEST(SaveFaults, AFullDeviceIsToldAsFullWhateverLanguageQtSpeaks)
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.exists() || !full.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "no /dev/full here";
    struct : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char* c, const char*, const char*, int) const override { return c == QByteArray("QIODevice") ? text : QString(); }
        QString text = QStringLiteral("Kein freier Speicherplatz auf dem Gerät");
    } german;
    QCoreApplication::installTranslator(&german);
    const QString why = writeWhole(full, full.fileName(), QByteArray(100, 'x'));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(std::pair(full.errorString(), why), std::pair(german.text, QStringLiteral("Datenträger voll")));
}
