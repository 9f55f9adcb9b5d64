#include "cli/Terminal.h"

#include <unistd.h>

namespace kx2::cli {

bool RunsAtATerminal()
{
    return isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
}

} // namespace kx2::cli
