// Arbitrary byte streams into the LocoNet receive assembly: nothing may be written outside the
// ring, the indexes stay in range, and nothing hangs.
#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"
#include "support/FakeComm1.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static kx2::VirtualClock clock;
    static kx2::test::FakeComm1 port{clock};
    static kx2::Settings settings;
    static kx2::LocoNetLink link{port, clock, settings};

    link.clearRing();
    if (size > 0 && (data[0] & 1))
        link.watchForReady();
    else
        link.stopWatchingReady();
    // Feed in chunks of varying size, as a port hands bytes over.
    size_t pos = 0;
    while (pos < size) {
        const size_t chunk = 1 + (data[pos] % 17);
        const size_t n = std::min(chunk, size - pos);
        link.receiveBytes(QByteArray(reinterpret_cast<const char*>(data + pos), int(n)));
        pos += n;
        if (link.ringWriteIndex() < 0 || link.ringWriteIndex() >= kx2::LocoNetLink::RingSlots)
            std::abort();
    }
    return 0;
}
