#pragma once
#include <QString>

namespace kx2 {

// Turns a ResultCode (operation x 10000 + step x 100 + error) into the German text shown in the
// error boxes. Line breaks are carriage returns.
QString ResultText(int code);
// The same, and for a port that cannot be opened (error 98) the port and the reason on a line
// of their own under it (portFailure, as SerialInterface::openFailure gives it).
QString ResultText(int code, const QString& portFailure);

// Result codes that the link and command layers produce, with their meaning.
namespace rc {
inline constexpr int Ok = 0;
inline constexpr int InterfaceNotReady = 1;   // interface cannot be prepared
inline constexpr int ReplyTimeout = 13;       // no echo and reply within 2 seconds
inline constexpr int WrongReply = 1011;       // reply in slot 1 is not the expected one
inline constexpr int SendFailed = 1012;       // message cannot be sent
inline constexpr int PortCannotOpen = 990098; // port cannot be opened
// The program's own, with no words in the tables: the drivers tell the user themselves.
inline constexpr int Cancelled = 97;          // the user cancelled; the request was not sent
inline constexpr int VerifyMismatch = 96;     // what was read back differs from what was sent
} // namespace rc

} // namespace kx2
