#include "link/ResultText.h"

#include <gtest/gtest.h>

using namespace kx2;

// Each line: a code and its words, CR for the carriage return. The first three are the worked
// examples of the operation status; the others cover every operation that breaks its line
// (0, 1, 2), the command layers' failures, and parts without words, which add nothing.
TEST(ResultText, ComposesOperationStepAndErrorWords)
{
    const QString CR(QChar(13));
    const std::pair<int, QString> rows[] = {
        {1012, CR + CR + " LocoNet Message gesendet:" + CR + " Senden nicht möglich!" + CR},
        {101011, CR + "Seriennummer lesen:" + " LocoNet Message gesendet:" + CR + " keine Antwort!" + CR},
        {990098, CR + "ComPort" + " Kann nicht geöffnet werden!" + CR},
        {0, CR + CR},
        {1, CR + CR},
        {13, CR + CR + " Timeout: kein Antwort auf LocoNet! " + CR},
        {11011, CR + "Datenbank ID lesen : " + CR + " LocoNet Message gesendet:" + CR + " keine Antwort!" + CR},
        {20013, CR + "lange Datensätze lesen : " + CR + " Timeout: kein Antwort auf LocoNet! " + CR},
        {111013, CR + "Bootloader starten:" + " LocoNet Message gesendet:" + CR + " Timeout: kein Antwort auf LocoNet! " + CR},
        {401032, CR + "Lokdatenformat" + " LocoNet Message gesendet:" + CR + " Programmierung fehlgeschlagen!" + CR},
        {271211, CR + "Read ID Tab.:" + " SAM Flash lesen:" + CR + " keine Antwort!" + CR},
        {281611, CR + "Write ID Tab.:" + " Daten senden:" + CR + " keine Antwort!" + CR},
        {221611, CR + "Write LongData:" + " Daten senden:" + CR + " keine Antwort!" + CR},
        {211311, CR + "Read LongData:" + " Datenflash lesen:" + CR + " keine Antwort!" + CR},
        {210000 + 1011, CR + "Read LongData:" + " LocoNet Message gesendet:" + CR + " keine Antwort!" + CR},
        {321432, CR + "FS Modul Write :" + " Datenflash schreiben:" + CR + " Programmierung fehlgeschlagen!" + CR},
        {50000, CR},
        {51513, CR + " Timeout: kein Antwort auf LocoNet! " + CR},
        {151199, CR + "Display löschen:" + " SAM Flash schreiben:" + CR + " keine gültige Version!" + CR},
    };
    for (const auto& [code, words] : rows)
        EXPECT_EQ(ResultText(code), words) << code;
}
