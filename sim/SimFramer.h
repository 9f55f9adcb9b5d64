#pragma once
#include "link/MessageFramer.h"

namespace kx2::sim {

// The simulated devices assemble the bus's bytes as the link's own framer does.
using SimFramer = kx2::MessageFramer;

} // namespace kx2::sim
