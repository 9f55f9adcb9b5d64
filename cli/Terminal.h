#pragma once

namespace kx2::cli {

// Whether kx2ctl runs at a terminal (standard input and standard error both one), where it may
// ask the user; otherwise it answers questions itself.
bool RunsAtATerminal();

} // namespace kx2::cli
