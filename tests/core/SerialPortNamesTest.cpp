// What the port text the user typed opens: a number is the system's n-th serial port, names and
// device paths go as they are, "SIM" (in any case) is the built-in simulated command station.
#include "link/QtSerialComm1.h"
#include "sim/PortSwitch.h"

#include <gtest/gtest.h>

using namespace kx2;

TEST(SerialPortNames, APortTextNamesTheSystemsDeviceOrTheSimulator)
{
    const struct {
        const char* typed;
        const char* onLinux;
        const char* onWindows;
        bool simulator;
    } rows[] = {
        {"3", "/dev/ttyS2", "COM3", false},
        {"1", "/dev/ttyS0", "COM1", false},
        {" 12 ", "/dev/ttyS11", "COM12", false},
        {"0", "0", "0", false},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0", false},
        {"COM7", "COM7", "COM7", false},
        {"SIM", "SIM", "SIM", true},
        {" sim ", "sim", "sim", true},
        {"SIMX", "SIMX", "SIMX", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
#ifdef Q_OS_WIN
        EXPECT_EQ(QtSerialComm1::systemPortName(QString::fromLatin1(row.typed)), QLatin1String(row.onWindows));
#else
        EXPECT_EQ(QtSerialComm1::systemPortName(QString::fromLatin1(row.typed)), QLatin1String(row.onLinux));
#endif
        EXPECT_EQ(sim::PortSwitch::isSimulatorPort(QString::fromLatin1(row.typed)), row.simulator);
    }
}
