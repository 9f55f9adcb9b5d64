// Arbitrary bytes as the settings file KX2_DF.INF. Nothing may crash; a file that parses leaves
// a positive baud rate, and writing those settings and parsing them again gives them back.
#include "FuzzSupport.h"
#include "shell/Settings.h"
#include "shell/SettingsFile.h"

using namespace kx2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    Settings s;
    s.UseLocoNetInterface = false;
    s.UseUsbInterface = false;
    const Settings before = s;
    if (!SettingsFile::parse(bytes, s)) {
        // A file that does not parse changes nothing.
        fuzz::check(s.ComPortNumber == before.ComPortNumber && s.BaudRate == before.BaudRate
                    && s.LastFileName == before.LastFileName && s.ComPortIsText == before.ComPortIsText);
        return 0;
    }
    fuzz::check(s.BaudRate > 0);
    fuzz::check(!s.UseLocoNetInterface && !s.UseUsbInterface);

    Settings back;
    fuzz::check(SettingsFile::parse(SettingsFile::format(s), back));
    fuzz::check(back.BaudRate == s.BaudRate);
    // The file has no way to hold a line break inside the port text.
    QString port = s.ComPortNumber;
    port.remove(QLatin1Char('\r'));
    port.remove(QLatin1Char('\n'));
    fuzz::check(back.ComPortNumber == port);
    return 0;
}
