#include "cli/Terminal.h"

#include <cstdio>
#include <io.h>

namespace kx2::cli {

bool RunsAtATerminal()
{
    return _isatty(_fileno(stdin)) && _isatty(_fileno(stderr));
}

} // namespace kx2::cli
