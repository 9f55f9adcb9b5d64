#include "cli/Terminal.h"

#include <cstdio>
#include <io.h>
#include <windows.h>

namespace kx2::cli {

bool runsAtATerminal()
{
    return _isatty(_fileno(stdin)) && _isatty(_fileno(stderr));
}

bool stderrIsATerminal()
{
    return _isatty(_fileno(stderr));
}

int terminalColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
    return 80;
}

} // namespace kx2::cli
