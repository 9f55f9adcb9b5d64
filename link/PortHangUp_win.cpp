#include "link/PortHangUp.h"

namespace kx2 {

// Windows fails the port's next I/O when its USB device goes, which QSerialPort reports as a
// resource error.
bool portHungUp(qintptr)
{
    return false;
}

} // namespace kx2
