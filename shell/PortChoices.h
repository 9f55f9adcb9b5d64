#pragma once
#include <QString>
#include <QStringList>

namespace kx2 {

// The port text that selects the built-in simulated command station.
inline const QString SimulatorPort = QStringLiteral("SIM");

// The ports the options dialog offers: the serial ports present (COM7 on Windows,
// /dev/ttyS0, /dev/ttyUSB0, /dev/ttyACM0 ... elsewhere), then "SIM". The user may still type
// anything else.
QStringList serialPortChoices();

// Sorted, without repeats, "SIM" last.
QStringList arrangePortChoices(const QStringList& found);

} // namespace kx2
