#pragma once
#include <QByteArray>
#include <QString>

namespace kx2 {

// The command station's own messages in German words for the bus monitor: database commands
// (access, areas, pages, display), their data replies and the ready message, and the data-format
// requests and replies. Empty for any other message.
QString describeDbMessage(const QByteArray& message);

// Any message on the bus: the command station's own ones as above, all others as the link
// layer names them.
QString describeBusMessage(const QByteArray& message);

} // namespace kx2
