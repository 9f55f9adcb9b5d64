#include "link/PortLatency.h"

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace kx2 {

#ifdef Q_OS_LINUX
namespace {
// The port's low-latency flag on or off; false when the driver refuses (ENOTTY from a
// pseudo-terminal, EINVAL or EPERM from drivers that do not take it).
bool setLowLatency(int fd, bool on)
{
    serial_struct s{};
    if (::ioctl(fd, TIOCGSERIAL, &s) != 0)
        return false;
    s.flags = on ? (s.flags | ASYNC_LOW_LATENCY) : (s.flags & ~ASYNC_LOW_LATENCY);
    return ::ioctl(fd, TIOCSSERIAL, &s) == 0;
}
} // namespace

PortLatency::Answer SystemPortLatency::lowerLatency(qintptr handle, const QString&)
{
    serial_struct s{};
    if (::ioctl(int(handle), TIOCGSERIAL, &s) != 0)
        return Answer::Refused;
    if (s.flags & ASYNC_LOW_LATENCY)
        return Answer::AlreadyLow;
    return setLowLatency(int(handle), true) ? Answer::Lowered : Answer::Refused;
}

void SystemPortLatency::restoreLatency(qintptr handle)
{
    setLowLatency(int(handle), false);
}
#else
// macOS has no such request; Apple's and FTDI's drivers keep the latency in their own settings.
PortLatency::Answer SystemPortLatency::lowerLatency(qintptr, const QString&)
{
    return Answer::Refused;
}

void SystemPortLatency::restoreLatency(qintptr) {}
#endif

} // namespace kx2
