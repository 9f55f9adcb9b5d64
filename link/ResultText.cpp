#include "link/ResultText.h"

namespace kx2 {

namespace {

struct Entry {
    int number;
    const char* text;
};

// Operation texts; operations 0, 1 and 2 are followed by a line break of their own.
const Entry kOperations[] = {
    {0, ""},
    {1, "Datenbank ID lesen : "},
    {2, "lange Datensätze lesen : "},
    {10, "Seriennummer lesen:"},
    {11, "Bootloader starten:"},
    {12, "Bootloader beenden:"},
    {13, "Datenbank Version KXII:"},
    {14, "Datenbank Version im Backup File:"},
    {15, "Display löschen:"},
    {16, "Displaycurser setzen:"},
    {17, "Displaytext schreiben:"},
    {21, "Read LongData:"},
    {22, "Write LongData:"},
    {23, "Read ShortData:"},
    {24, "Write ShortData:"},
    {25, "Read Page:"},
    {26, "Write Page:"},
    {27, "Read ID Tab.:"},
    {28, "Write ID Tab.:"},
    {30, "FS Modul Prog. on:"},
    {31, "FS Modul Read :"},
    {32, "FS Modul Write :"},
    {33, "FS Modul Prog. off:"},
    {40, "Lokdatenformat"},
    {99, "ComPort"},
};

const Entry kSteps[] = {
    {10, " LocoNet Message gesendet:"},
    {11, " SAM Flash schreiben:"},
    {12, " SAM Flash lesen:"},
    {13, " Datenflash lesen:"},
    {14, " Datenflash schreiben:"},
    {16, " Daten senden:"},
};

const Entry kErrors[] = {
    {11, " keine Antwort!"},
    {12, " Senden nicht möglich!"},
    {13, " Timeout: kein Antwort auf LocoNet! "},
    {31, " Modul antwortet nicht!"},
    {32, " Programmierung fehlgeschlagen!"},
    {98, " Kann nicht geöffnet werden!"},
    {99, " keine gültige Version!"},
};

template <size_t N>
const char* lookup(const Entry (&table)[N], int number)
{
    for (const auto& e : table)
        if (e.number == number)
            return e.text;
    return nullptr;
}

} // namespace

QString ResultText(int code)
{
    const QChar cr(13);
    const int operation = code / 10000;
    const int step = (code / 100) % 100;
    const int error = code % 100;

    QString text(cr);
    if (const char* t = lookup(kOperations, operation)) {
        text += QString::fromUtf8(t);
        if (operation <= 2)
            text += cr;
    }
    if (const char* t = lookup(kSteps, step))
        text += QString::fromUtf8(t) + cr;
    if (const char* t = lookup(kErrors, error))
        text += QString::fromUtf8(t) + cr;
    return text;
}

QString ResultText(int code, const QString& portFailure)
{
    QString text = ResultText(code);
    if (code % 100 == rc::PortCannotOpen % 100 && !portFailure.isEmpty())
        text += portFailure + QChar(13);
    return text;
}

} // namespace kx2
