#pragma once

namespace kx2 {

// The code the system gave the file call that failed last on this thread, in the C library's
// numbering (ENOSPC, EACCES, ...), whatever the system: Windows' own codes are turned into the
// nearest of them. 0 when the system gave none or one without a match. Read it right after the
// failing call: later calls may change it.
int lastSystemError();

} // namespace kx2
