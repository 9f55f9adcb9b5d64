#pragma once

namespace kx2::cli {

// Whether kx2ctl runs at a terminal (standard input and standard error both one), where it may
// ask the user; otherwise it answers questions itself.
bool runsAtATerminal();

// Whether standard error is a terminal, where the progress can be one line that rewrites itself.
bool stderrIsATerminal();

// The width of that terminal in characters (80 when it cannot be told).
int terminalColumns();

} // namespace kx2::cli
