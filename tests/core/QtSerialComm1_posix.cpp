// The real serial port class on a pseudo-terminal that the simulated command station serves in
// this process: the settings text reaches the terminal's line settings, messages go both ways,
// and a terminal that goes away closes the port at once. Wall time, bounded.
#include "link/QtSerialComm1.h"
#include "link/PortIo.h"
#include "link/PortLatency.h"
#include "link/SerialInterface.h"
#include "sim/PtyServer.h"
#include "support/DbRig.h"
#include "support/FakeDialogs.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <asm/termbits.h>
#else
#include <termios.h>
#endif
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace kx2;

namespace {

// The terminal's baud rate and stop bits as the system holds them, read through a handle of our
// own. (A pseudo-terminal keeps no parity and no data bits: its driver always holds 8 bits without
// parity, so those parts of the settings text cannot be seen here.)
std::pair<unsigned, int> lineSettings(int fd)
{
#ifdef Q_OS_LINUX
    termios2 t{};
    ioctl(fd, TCGETS2, &t);
    return {t.c_ospeed, (t.c_cflag & CSTOPB) ? 2 : 1};
#else
    termios t{};
    tcgetattr(fd, &t);
    return {unsigned(cfgetospeed(&t)), (t.c_cflag & CSTOPB) ? 2 : 1};
#endif
}

struct PtyRig {
    SystemClock clock;
    sim::SimBus bus{clock};
    sim::SimCommandStation station{bus};
    sim::PtyServer server{bus};
    QtSerialComm1 port;
    bool started = server.start();
};

// Answers as told and notes each request with the terminal its handle names.
struct RecordingLatency : PortLatency {
    explicit RecordingLatency(Answer a) : answer(a) {}
    Answer lowerLatency(qintptr handle, const QString& name) override
    {
        calls << QStringLiteral("lower ") + QString::fromLocal8Bit(ttyname(int(handle))) + QLatin1Char(' ') + name;
        return answer;
    }
    void restoreLatency(qintptr handle) override { calls << QStringLiteral("restore ") + QString::fromLocal8Bit(ttyname(int(handle))); }
    Answer answer;
    QStringList calls;
};

} // namespace

// On open the port asks for low latency with its own handle and puts back at close only what
// that changed; a refusal (the system's answer for a pseudo-terminal) leaves a working port.
TEST(QtSerialComm1, AsksForLowLatencyOnOpenAndGoesOnWhenRefused)
{
    using A = PortLatency::Answer;
    PtyRig rig;
    if (!rig.started)
        GTEST_SKIP() << "no pseudo-terminal: " << rig.server.errorText().toStdString();
    const QString dev = rig.server.deviceName();
    const int fd = ::open(dev.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_EQ(SystemPortLatency().lowerLatency(fd, dev), A::Refused);
    ::close(fd);
    for (const auto& [answer, restores] : {std::pair(A::Refused, false), std::pair(A::AlreadyLow, false), std::pair(A::Lowered, true)}) {
        SCOPED_TRACE(int(answer));
        RecordingLatency latency(answer);
        QtSerialComm1 port(latency);
        port.setCommPort(dev);
        ASSERT_TRUE(port.setPortOpen(true)) << port.errorText().toStdString();
        ASSERT_TRUE(port.output(test::longAck(0x7F)));
        QByteArray echo;
        QElapsedTimer timer;
        timer.start();
        while (echo.size() < 4 && timer.elapsed() < 5000) {
            rig.clock.yieldUntil(rig.clock.now() + 0.01);
            echo += port.input();
        }
        EXPECT_EQ(echo, test::longAck(0x7F));
        port.setPortOpen(false);
        QStringList expected{QStringLiteral("lower %1 %1").arg(dev)};
        if (restores)
            expected << QStringLiteral("restore ") + dev;
        EXPECT_EQ(latency.calls, expected);
    }
}

// Each line: the settings text, set on the open port one after the other, and the baud rate and
// stop bits the line has then. 16666 is the LocoNet rate, which the serial driver gives as a
// custom rate; a text that is no setting leaves the line as it was.
TEST(QtSerialComm1, TheSettingsTextReachesTheLine)
{
    PtyRig rig;
    if (!rig.started)
        GTEST_SKIP() << "no pseudo-terminal: " << rig.server.errorText().toStdString();
    const int fd = ::open(rig.server.deviceName().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    const struct {
        const char* settings;
        unsigned baud;
        int stopBits;
        bool custom;
    } rows[] = {
        {"19200,n,8,1", 19200, 1, false}, {"2400,n,8,2", 2400, 2, false}, {"115200,n,8,1", 115200, 1, false},
        {"9600,e,7,1", 9600, 1, false},   {"9600,o,8,2", 9600, 2, false}, {"16666,n,8,1", 16666, 1, true},
        {"schnell,n,8,1", 16666, 1, true},
    };
    rig.port.setCommPort(rig.server.deviceName());
    rig.port.setSettings(QString::fromLatin1(rows[0].settings));
    ASSERT_TRUE(rig.port.setPortOpen(true)) << rig.port.errorText().toStdString();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.settings);
#ifndef Q_OS_LINUX
        if (row.custom)
            continue;
#endif
        rig.port.setSettings(QString::fromLatin1(row.settings));
        EXPECT_EQ(lineSettings(fd), std::make_pair(row.baud, row.stopBits));
        EXPECT_TRUE(rig.port.portOpen());
    }
    ::close(fd);
}

// The USB interface set up on the terminal, the access opened and the serial number read; then
// the terminal goes away: the port counts as closed at once, and an exchange does not wait for
// its time-out.
TEST(QtSerialComm1, CarriesTheExchangeAndClosesWhenTheDeviceGoesAway)
{
    PtyRig rig;
    if (!rig.started)
        GTEST_SKIP() << "no pseudo-terminal: " << rig.server.errorText().toStdString();
    rig.station.config().readyDelay = 0.05;
    Settings settings;
    settings.ComPortNumber = rig.server.deviceName();
    NoPortIo portIo;
    FakeDialogs dialogs;
    LocoNetLink link(rig.port, rig.clock, settings);
    SerialInterface iface(rig.port, portIo, link, settings, dialogs);
    rig.port.setOnComm([&] { link.OnComm(); });
    NullProgress progress;
    DbProtocol db(link, progress);
    const int r = iface.ConnectInterface();
    ASSERT_EQ(r, 0) << rig.port.errorText().toStdString();
    ASSERT_EQ(db.StartBootloader(), 0);
    const DbProtocol::SerialNumber read = db.ReadSerialNumber();
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.serial, rig.station.serialNumber());

    rig.server.stop();
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(db.DataFlashRead(7501), 13);
    EXPECT_LT(timer.elapsed(), 500) << "no two-second wait, let alone its repetitions";
    EXPECT_FALSE(rig.port.portOpen());
    EXPECT_FALSE(rig.port.output(test::longAck(0x7F)));
    EXPECT_FALSE(rig.port.errorText().isEmpty());
}

// Held, the port raises no receive event for what arrives; released, everything that came
// meanwhile is handed over in one piece.
TEST(QtSerialComm1, HeldInputWaitsAndComesInOnePiece)
{
    PtyRig rig;
    if (!rig.started)
        GTEST_SKIP() << "no pseudo-terminal: " << rig.server.errorText().toStdString();
    rig.port.setCommPort(rig.server.deviceName());
    rig.port.setSettings(QStringLiteral("115200,n,8,1"));
    rig.port.setRThreshold(1);
    ASSERT_TRUE(rig.port.setPortOpen(true)) << rig.port.errorText().toStdString();
    QByteArray got;
    int events = 0;
    rig.port.setOnComm([&] {
        ++events;
        got += rig.port.input();
    });
    rig.port.holdInput(true);
    const QByteArray bytes = QByteArray::fromHex("B4307F4A");
    for (char b : bytes)
        rig.server.busReceive(QByteArray(1, b));
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 200)
        rig.clock.yieldUntil(rig.clock.now() + 0.01);
    EXPECT_EQ(events, 0);
    rig.port.holdInput(false);
    while (got.size() < bytes.size() && timer.elapsed() < 5000)
        rig.clock.yieldUntil(rig.clock.now() + 0.01);
    EXPECT_EQ(got, bytes);
    EXPECT_EQ(events, 1);
}

// A simulator that stops removes its own link only: another one started on the same path since
// keeps its link.
TEST(PtyServer, StoppingRemovesOnlyItsOwnLink)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("P"));
    SystemClock clock;
    sim::SimBus bus{clock};
    sim::PtyServer first{bus}, second{bus};
    ASSERT_TRUE(first.start() && second.start() && first.linkTo(link) && second.linkTo(link));
    first.stop();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), second.deviceName());
    second.stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}
