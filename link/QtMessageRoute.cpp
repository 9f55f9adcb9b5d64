#include "link/QtMessageRoute.h"

#include <QIODevice>
#include <QPointer>
#include <QString>
#include <cstdio>

namespace kx2 {

namespace {
// The handler Qt calls is a plain function; this is the one place it can find the trace.
QPointer<QIODevice> g_trace;

void routeMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    if (g_trace && g_trace->isOpen())
        g_trace->write("# Qt: " + text.toUtf8() + '\n');
}
} // namespace

void routeQtMessagesTo(QIODevice* trace)
{
    g_trace = trace;
    qInstallMessageHandler(routeMessage);
}

} // namespace kx2
