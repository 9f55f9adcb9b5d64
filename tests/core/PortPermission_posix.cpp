// A serial port the user may not open is reported as such, not as missing or busy.
#include "link/PortFailure.h"
#include "link/QtSerialComm1.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace kx2;

namespace {
// 65534: "nobody" on Linux, for whom a file of mode 000 is closed.
constexpr uid_t kNobody = 65534;
} // namespace

TEST(PortPermission, AFileWithoutPermissionIsNoPermission)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                      | QFile::ExeOther));
    const QString path = dir.filePath(QStringLiteral("ttyGesperrt"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    QtSerialComm1 port;
    port.setCommPort(path);
    bool opened = true;
    if (geteuid() == 0) {
#ifdef __linux__
        // Root may open anything: the port is opened as nobody (the saved user id brings root back).
        ASSERT_EQ(setresuid(kNobody, kNobody, 0), 0);
        opened = port.setPortOpen(true);
        ASSERT_EQ(setresuid(0, 0, 0), 0);
#else
        GTEST_SKIP() << "root may open any file";
#endif
    } else {
        opened = port.setPortOpen(true);
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(port.errorText(), portFailureText(path, path, PortFailure::NoPermission, QString()))
        << port.errorText().toStdString();
}
