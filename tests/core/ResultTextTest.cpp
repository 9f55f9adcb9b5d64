#include "link/ResultText.h"

#include <gtest/gtest.h>

using namespace kx2;

namespace {
const QString CR(QChar(13));
}

TEST(ResultText, WorkedExamples)
{
    EXPECT_EQ(ResultText(1012), CR + CR + " LocoNet Message gesendet:" + CR + " Senden nicht möglich!" + CR);
    EXPECT_EQ(ResultText(101011), CR + "Seriennummer lesen:" + " LocoNet Message gesendet:" + CR + " keine Antwort!" + CR);
    EXPECT_EQ(ResultText(990098), CR + "ComPort" + " Kann nicht geöffnet werden!" + CR);
}

TEST(ResultText, SmallCodes)
{
    EXPECT_EQ(ResultText(0), CR + CR);
    EXPECT_EQ(ResultText(1), CR + CR);
    EXPECT_EQ(ResultText(13), CR + CR + " Timeout: kein Antwort auf LocoNet! " + CR);
}

TEST(ResultText, OperationsOneAndTwoBreakTheLine)
{
    EXPECT_EQ(ResultText(11011), CR + "Datenbank ID lesen : " + CR + " LocoNet Message gesendet:" + CR + " keine Antwort!" + CR);
    EXPECT_EQ(ResultText(20013), CR + "lange Datensätze lesen : " + CR + " Timeout: kein Antwort auf LocoNet! " + CR);
}

TEST(ResultText, FailuresOfTheCommandLayers)
{
    EXPECT_EQ(ResultText(401032), CR + "Lokdatenformat" + " LocoNet Message gesendet:" + CR + " Programmierung fehlgeschlagen!" + CR);
    EXPECT_EQ(ResultText(271211), CR + "Read ID Tab.:" + " SAM Flash lesen:" + CR + " keine Antwort!" + CR);
    EXPECT_EQ(ResultText(281611), CR + "Write ID Tab.:" + " Daten senden:" + CR + " keine Antwort!" + CR);
    EXPECT_EQ(ResultText(221611), CR + "Write LongData:" + " Daten senden:" + CR + " keine Antwort!" + CR);
    EXPECT_EQ(ResultText(211311), CR + "Read LongData:" + " Datenflash lesen:" + CR + " keine Antwort!" + CR);
    EXPECT_EQ(ResultText(321432), CR + "FS Modul Write :" + " Datenflash schreiben:" + CR + " Programmierung fehlgeschlagen!" + CR);
}

TEST(ResultText, UnknownPartsContributeNothing)
{
    EXPECT_EQ(ResultText(50000), CR);
    EXPECT_EQ(ResultText(51513), CR + " Timeout: kein Antwort auf LocoNet! " + CR);
    EXPECT_EQ(ResultText(151199), CR + "Display löschen:" + " SAM Flash schreiben:" + CR + " keine gültige Version!" + CR);
}
