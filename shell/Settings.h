#pragma once
#include <QString>

namespace kx2 {

// The serial settings of the run. Port, baud rate and last file name come from the settings
// file; the two interface flags start True (the LocoNet USB interface) at every start.
struct Settings {
    // The port as typed: a number ("3"), a device or port name ("/dev/ttyUSB0", "COM7") or "SIM".
    QString ComPortNumber = QStringLiteral("3");
    // True when the port came from the options dialog or was read as a quoted text:
    // it is then written back quoted.
    bool ComPortIsText = false;
    int BaudRate = 115200;
    QString LastFileName;
    bool UseLocoNetInterface = true;
    bool UseUsbInterface = true;
    // "Nach dem Senden prüfen": a send reads back what it stored and compares. Not in the
    // settings file; the windowed program starts with it on or as the user left it at the last
    // run (RememberedPlaces), kx2ctl checks when asked (send --verify).
    bool VerifyAfterSend = false;
};

} // namespace kx2
