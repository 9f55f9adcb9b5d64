#pragma once
#include "cli/TerminalDialogs.h"
#include "link/Clock.h"
#include "link/PortIo.h"
#include "link/QtSerialComm1.h"
#include "app/AppContext.h"
#include "records/IsdFile.h"
#include "sim/PortSwitch.h"

#include <QCommandLineParser>
#include <QFile>
#include <memory>

namespace kx2::cli {

// The port options every device command shares, and the context they build: the settings of
// the windowed program (its settings file) with the options laid over them.
class CliContext {
public:
    // Adds --port, --interface, --baud, --trace, --sim-state to the parser.
    static void addPortOptions(QCommandLineParser& parser);

    CliContext();
    ~CliContext();
    // Reads the settings file and applies the options. false (with a message on stderr) when an
    // option is wrong or the trace file cannot be opened.
    bool configure(const QCommandLineParser& parser);
    // The settings file alone, for work on files: no option, no port.
    bool configureForFiles();

    AppContext& ctx() { return *m_ctx; }
    TerminalDialogs& dialogs() { return m_dialogs; }
    StderrProgress& progress() { return m_progress; }
    sim::PortSwitch& port() { return *m_port; }

private:
    SystemClock m_clock;
    QtSerialComm1 m_serial;
    std::unique_ptr<sim::PortSwitch> m_port;
    NoPortIo m_portIo;
    TerminalDialogs m_dialogs;
    NoFileDialog m_files;
    StderrProgress m_progress;
    NullMainControls m_controls;
    std::unique_ptr<AppContext> m_ctx;
    QFile m_trace;
};

// Tells on stderr why the table file `path` was not loaded; the exit code 1.
int loadError(const QString& path, const IsdLoadResult& r);

} // namespace kx2::cli
