#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/GermanHelp.h"
#include "cli/Interrupt.h"

#include "dbproto/DbMessageText.h"
#include "link/BusMonitor.h"
#include "link/MessageText.h"
#include "link/ResultText.h"

#include <QTextStream>
#include <QCoreApplication>

// kx2ctl monitor: every message on the bus as a line, until Ctrl+C.
namespace kx2::cli {

namespace {
// How often the wait looks whether Ctrl+C came or the port went away.
constexpr double kLookInterval = 0.2;
} // namespace

int runMonitor(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "MonitorCommand",
        "Zeigt jede Nachricht auf dem LocoNet mit Uhrzeit, Richtung (gesendet/empfangen), Bytes und "
        "Bedeutung, bis Strg+C kommt."));
    addGermanHelpOption(parser);
    const QCommandLineOption raw(
        QStringLiteral("raw"),
        QCoreApplication::translate("MonitorCommand", "Nur die Bytes jeder Nachricht in Hexadezimal."));
    parser.addOption(raw);
    CliContext::addPortOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("kx2ctl monitor")} + args)) {
        QTextStream(stderr) << parser.errorText() << "\n";
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << germanHelpText(
            parser, QCoreApplication::translate("MonitorCommand", "kx2ctl monitor [--port PORT] [--raw]"));
        return 0;
    }
    CliContext cli;
    if (!cli.configure(parser))
        return 2;
    AppContext& ctx = cli.ctx();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const InterruptCatcher catcher;
    const int result = ctx.iface.ConnectInterface();
    if (result != 0) {
        err << TerminalDialogs::plain(ResultText(result)) << "\n";
        if (!ctx.platform.port.failureText().isEmpty())
            err << ctx.platform.port.failureText() << "\n";
        return 1;
    }
    const bool rawOnly = parser.isSet(raw);
    const int listener = ctx.link.addBusListener([&](const QByteArray& message, bool own) {
        if (rawOnly)
            out << hexBytes(message) << "\n";
        else
            out << BusMonitor::line({QTime::currentTime(), own, message}, describeBusMessage(message)) << "\n";
        out.flush();
    });
    err << QCoreApplication::translate("MonitorCommand", "LocoNet-Monitor an ") << ctx.settings.ComPortNumber
        << QCoreApplication::translate("MonitorCommand", ", Ende mit Strg+C\n");
    err.flush();
    Clock& clock = ctx.platform.clock;
    while (!InterruptCatcher::interrupted() && ctx.platform.port.portOpen())
        clock.yieldUntil(clock.now() + kLookInterval);
    ctx.link.removeBusListener(listener);
    if (!ctx.platform.port.portOpen()) {
        const QString why = ctx.platform.port.failureText();
        err << (why.isEmpty() ? QCoreApplication::translate("MonitorCommand", "Der Port wurde geschlossen.") : why)
            << "\n";
        return 1;
    }
    ctx.iface.ClosePort();
    return 0;
}

} // namespace kx2::cli
