#pragma once
#include <QString>

namespace kx2 {

// Why a serial port could not be opened, as far as the system tells.
enum class PortFailure {
    NoSuchDevice, // nothing by that name: not plugged in, or a wrong name
    Busy,         // another program has it open
    NoPermission, // the user may not use it
    Other,        // the system's own words say why
};

// The line under "ComPort Kann nicht geöffnet werden!" that names the port as typed (and as the
// system knows it, where that differs) and the reason:
// "ComPort 3 (/dev/ttyS2): Gerät nicht vorhanden (nicht angeschlossen oder falscher Name)".
// systemReason is used for Other.
QString portFailureText(const QString& portText, const QString& systemName, PortFailure why,
                        const QString& systemReason);

} // namespace kx2
