#include "link/PortHangUp.h"

#include <poll.h>

namespace kx2 {

bool portHungUp(qintptr handle)
{
    pollfd p{};
    p.fd = int(handle);
    if (p.fd < 0 || ::poll(&p, 1, 0) <= 0)
        return false;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

} // namespace kx2
