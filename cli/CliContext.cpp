#include "cli/CliContext.h"

#include "cli/GermanHelp.h"
#include "link/QtMessageRoute.h"
#include "shell/ExactNumber.h"
#include "shell/ProgramPlaces.h"
#include "shell/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QCoreApplication>

namespace kx2::cli {

void CliContext::addPortOptions(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("port"),
                      QCoreApplication::translate(
                          "CliContext",
                          "Port: Nummer n (COMn bzw. /dev/ttyS(n-1)), Gerätename wie /dev/ttyUSB0 oder COM7, "
                          "tcp:RECHNER[:PORT] für LocoNet über TCP (LbServer, Port-Vorgabe 1234) "
                          "oder SIM für die eingebaute simulierte Zentrale. Vorgabe: Einstellungsdatei."),
                      QStringLiteral("port")});
    parser.addOption(
        {QStringLiteral("interface"),
         QCoreApplication::translate("CliContext",
                                     "Schnittstelle: usb (LocoNet-USB-Interface, Vorgabe), loconet (serielles "
                                     "LocoNet-Interface an COM1/COM2) oder station (serieller Port der Zentrale)."),
         QCoreApplication::translate("CliContext", "art")});
    parser.addOption({QStringLiteral("baud"),
                      QCoreApplication::translate(
                          "CliContext", "Baudrate: 9600, 16666, 19200 oder 115200. Vorgabe: Einstellungsdatei."),
                      QCoreApplication::translate("CliContext", "rate")});
    parser.addOption(
        {QStringLiteral("trace"),
         QCoreApplication::translate(
             "CliContext", "Jede gesendete (TX) und empfangene (RX) LocoNet-Nachricht in diese Datei schreiben."),
         QCoreApplication::translate("CliContext", "datei")});
    parser.addOption(
        {QStringLiteral("sim-state"),
         QCoreApplication::translate(
             "CliContext",
             "Speicherdatei der simulierten Zentrale (Port SIM). Vorgabe: KX2_SIM.STATE neben der Einstellungsdatei."),
         QCoreApplication::translate("CliContext", "datei")});
}

CliContext::CliContext()
{
    m_dialogs.setBeforeMessage([this] { m_progress.clearLine(); });
}

CliContext::~CliContext()
{
    routeQtMessagesTo(nullptr);
    // A line that changes bits is worth knowing about even when every transfer went through.
    if (m_ctx && m_ctx->link.garbledMessages() > 0)
        QTextStream(stderr) << QCoreApplication::translate("CliContext", "%n Nachrichten mit falscher Prüfsumme verworfen",
                                                           nullptr, m_ctx->link.garbledMessages())
                            << "\n";
}

bool CliContext::configureForFiles()
{
    QCommandLineParser parser;
    addPortOptions(parser);
    parser.parse({QStringLiteral("kx2ctl")});
    return configure(parser);
}

int loadError(const QString& path, const IsdLoadResult& r)
{
    QTextStream(stderr) << (r.error == IsdError::WrongHeader ? isdWrongFormatText() : isdOpenErrorText()) << ": " << path
                        << (r.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(r.detail)) << "\n";
    return 1;
}

bool CliContext::configure(const QCommandLineParser& parser)
{
    QTextStream err(stderr);
    // The same settings and station memory the windowed program uses.
    const ProgramPlaces places = programPlacesOfThisRun();
    const QString state = parser.isSet(QStringLiteral("sim-state")) ? parser.value(QStringLiteral("sim-state"))
                                                                     : places.simStateFile;
    m_port = std::make_unique<sim::PortSwitch>(m_serial, m_clock, state);
    m_ctx = std::make_unique<AppContext>(
        Platform{m_clock, *m_port, m_portIo, m_dialogs, m_files, m_progress, m_controls});
    Settings& s = m_ctx->settings;

    SettingsFile file(places.settingsFolder, places.settingsFallback);
    file.ReadSettings(s);

    if (parser.isSet(QStringLiteral("port"))) {
        s.ComPortNumber = parser.value(QStringLiteral("port"));
        // A device named relative to the current folder (the link to a pseudo-terminal made here
        // by "kx2ctl sim --pty P", or "./ttyX") goes by its full path; a bare name otherwise
        // means a device of the system ("ttyUSB0", "COM3").
        const QFileInfo named(s.ComPortNumber);
        if (named.isRelative() && named.exists() && (named.isSymLink() || s.ComPortNumber.contains(QLatin1Char('/'))))
            s.ComPortNumber = named.absoluteFilePath();
        s.ComPortIsText = true;
    }
    if (parser.isSet(QStringLiteral("baud"))) {
        const std::optional<long long> baud = wholeNumber(parser.value(QStringLiteral("baud")));
        if (!baud || (*baud != 9600 && *baud != 16666 && *baud != 19200 && *baud != 115200)) {
            err << badOptionValue(QStringLiteral("baud"), parser.value(QStringLiteral("baud")),
                                  QCoreApplication::translate("CliContext", "9600, 16666, 19200 oder 115200"))
                << "\n";
            return false;
        }
        s.BaudRate = int(*baud);
    }
    const QString kind = parser.value(QStringLiteral("interface"));
    if (kind.isEmpty() || kind == QLatin1String("usb")) {
        s.UseLocoNetInterface = true;
        s.UseUsbInterface = true;
    } else if (kind == QLatin1String("loconet")) {
        s.UseLocoNetInterface = true;
        s.UseUsbInterface = false;
    } else if (kind == QLatin1String("station")) {
        s.UseLocoNetInterface = false;
        s.UseUsbInterface = false;
    } else {
        err << QCoreApplication::translate("CliContext", "Unbekannte Schnittstelle: ") << kind
            << QCoreApplication::translate("CliContext", " (usb, loconet oder station)\n");
        return false;
    }
    if (parser.isSet(QStringLiteral("trace"))) {
        m_trace.setFileName(parser.value(QStringLiteral("trace")));
        if (!m_trace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            err << QCoreApplication::translate("CliContext", "Trace-Datei kann nicht geöffnet werden: ")
                << m_trace.errorString() << "\n";
            return false;
        }
        m_ctx->link.setTrace(&m_trace);
        routeQtMessagesTo(&m_trace);
    }
    return true;
}

} // namespace kx2::cli
