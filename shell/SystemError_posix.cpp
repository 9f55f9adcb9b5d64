#include "shell/SystemError.h"

#include <cerrno>

namespace kx2 {

int lastSystemError()
{
    return errno;
}

} // namespace kx2
