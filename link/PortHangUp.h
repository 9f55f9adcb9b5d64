#pragma once
#include <QtGlobal>

namespace kx2 {

// Whether the device behind an open serial port's handle has gone away (a USB cable pulled, a
// pseudo-terminal closed) although the system has not reported it to a read yet. On systems that
// report a vanished port themselves this is always false.
bool portHungUp(qintptr handle);

} // namespace kx2
