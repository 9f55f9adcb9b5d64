#include "cli/Terminal.h"

#include <cstdio>
#include <io.h>
#include <windows.h>

namespace kx2::cli {

bool RunsAtATerminal()
{
    return _isatty(_fileno(stdin)) && _isatty(_fileno(stderr));
}

bool StderrIsATerminal()
{
    return _isatty(_fileno(stderr));
}

int TerminalColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
    return 80;
}

} // namespace kx2::cli
