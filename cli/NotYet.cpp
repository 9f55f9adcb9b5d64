#include "cli/Commands.h"

#include <QTextStream>

// Subcommands whose drivers are not in this build yet; each moves to its own file when it arrives.
namespace kx2::cli {
namespace {
int notYet(const char* name)
{
    QTextStream(stderr) << "kx2ctl " << name << ": in diesem Stand noch nicht verfügbar\n";
    return 3;
}
} // namespace
int runRead(const QStringList&) { return notYet("read"); }
int runSend(const QStringList&) { return notYet("send"); }
int runLocoNet(const QStringList&) { return notYet("loconet"); }
} // namespace kx2::cli
