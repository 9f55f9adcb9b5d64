#include "link/ResultText.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

struct Entry {
    int number;
    const char* text;
};

// Operation texts; operations 0, 1 and 2 are followed by a line break of their own.
const Entry kOperations[] = {
    {0, ""},
    {1, QT_TRANSLATE_NOOP("ResultText", "Datenbank ID lesen : ")},
    {2, QT_TRANSLATE_NOOP("ResultText", "lange Datensätze lesen : ")},
    {10, QT_TRANSLATE_NOOP("ResultText", "Seriennummer lesen:")},
    {11, QT_TRANSLATE_NOOP("ResultText", "Bootloader starten:")},
    {12, QT_TRANSLATE_NOOP("ResultText", "Bootloader beenden:")},
    {13, QT_TRANSLATE_NOOP("ResultText", "Datenbank Version KXII:")},
    {14, QT_TRANSLATE_NOOP("ResultText", "Datenbank Version im Backup File:")},
    {15, QT_TRANSLATE_NOOP("ResultText", "Display löschen:")},
    {16, QT_TRANSLATE_NOOP("ResultText", "Displaycurser setzen:")},
    {17, QT_TRANSLATE_NOOP("ResultText", "Displaytext schreiben:")},
    {21, QT_TRANSLATE_NOOP("ResultText", "Read LongData:")},
    {22, QT_TRANSLATE_NOOP("ResultText", "Write LongData:")},
    {23, QT_TRANSLATE_NOOP("ResultText", "Read ShortData:")},
    {24, QT_TRANSLATE_NOOP("ResultText", "Write ShortData:")},
    {25, QT_TRANSLATE_NOOP("ResultText", "Read Page:")},
    {26, QT_TRANSLATE_NOOP("ResultText", "Write Page:")},
    {27, QT_TRANSLATE_NOOP("ResultText", "Read ID Tab.:")},
    {28, QT_TRANSLATE_NOOP("ResultText", "Write ID Tab.:")},
    {30, QT_TRANSLATE_NOOP("ResultText", "FS Modul Prog. on:")},
    {31, QT_TRANSLATE_NOOP("ResultText", "FS Modul Read :")},
    {32, QT_TRANSLATE_NOOP("ResultText", "FS Modul Write :")},
    {33, QT_TRANSLATE_NOOP("ResultText", "FS Modul Prog. off:")},
    {40, QT_TRANSLATE_NOOP("ResultText", "Lokdatenformat")},
    {99, QT_TRANSLATE_NOOP("ResultText", "ComPort")},
};

const Entry kSteps[] = {
    {10, QT_TRANSLATE_NOOP("ResultText", " LocoNet Message gesendet:")},
    {11, QT_TRANSLATE_NOOP("ResultText", " SAM Flash schreiben:")},
    {12, QT_TRANSLATE_NOOP("ResultText", " SAM Flash lesen:")},
    {13, QT_TRANSLATE_NOOP("ResultText", " Datenflash lesen:")},
    {14, QT_TRANSLATE_NOOP("ResultText", " Datenflash schreiben:")},
    {16, QT_TRANSLATE_NOOP("ResultText", " Daten senden:")},
};

const Entry kErrors[] = {
    {11, QT_TRANSLATE_NOOP("ResultText", " keine Antwort!")},
    {12, QT_TRANSLATE_NOOP("ResultText", " Senden nicht möglich!")},
    {13, QT_TRANSLATE_NOOP("ResultText", " Timeout: kein Antwort auf LocoNet! ")},
    {31, QT_TRANSLATE_NOOP("ResultText", " Modul antwortet nicht!")},
    {32, QT_TRANSLATE_NOOP("ResultText", " Programmierung fehlgeschlagen!")},
    {98, QT_TRANSLATE_NOOP("ResultText", " Kann nicht geöffnet werden!")},
    {99, QT_TRANSLATE_NOOP("ResultText", " keine gültige Version!")},
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
        text += QCoreApplication::translate("ResultText", t);
        if (operation <= 2)
            text += cr;
    }
    if (const char* t = lookup(kSteps, step))
        text += QCoreApplication::translate("ResultText", t) + cr;
    if (const char* t = lookup(kErrors, error))
        text += QCoreApplication::translate("ResultText", t) + cr;
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
