#include "link/PortLatency.h"

namespace kx2 {

// Windows offers no request for it through the serial port: the latency timer of an FTDI
// interface is a setting of its driver (Device Manager, the port's "Port Settings" >
// "Advanced" > "Latency Timer (msec)"), which the README tells the user how to set to 1 ms.
PortLatency::Answer SystemPortLatency::lowerLatency(qintptr, const QString&)
{
    return Answer::Refused;
}

void SystemPortLatency::restoreLatency(qintptr) {}

} // namespace kx2
