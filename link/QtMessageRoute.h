#pragma once

class QIODevice;

namespace kx2 {

// Qt's own warnings (a port that vanished under a read, a timer without an event loop) are no
// message for the user: they go into the LocoNet trace as "# Qt: ..." lines when one is being
// written, and are dropped otherwise. Fatal messages still reach standard error.
// `trace` may be nullptr; the caller keeps it alive until it routes elsewhere.
void routeQtMessagesTo(QIODevice* trace);

} // namespace kx2
