#include "cli/Terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace kx2::cli {

bool runsAtATerminal()
{
    return isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
}

bool stderrIsATerminal()
{
    return isatty(STDERR_FILENO);
}

int terminalColumns()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace kx2::cli
