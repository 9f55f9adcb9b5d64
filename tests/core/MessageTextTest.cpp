// The bus monitor's words for each kind of message: the common LocoNet opcodes and the command
// station's own database and data-format messages, the latter as the tool builds them.
#include "dbproto/DbMessageText.h"
#include "link/MessageFramer.h"

#include <gtest/gtest.h>

using namespace kx2;

TEST(MessageText, EachKindOfMessageInWords)
{
    const struct {
        std::vector<int> bytes; // without the checksum
        const char* words;
    } rows[] = {
        {{0x83}, "Gleisspannung ein"},
        {{0x82}, "Gleisspannung aus"},
        {{0x85}, "Nothalt für alle (Leerlauf)"},
        {{0xB2, 0x05, 0x70}, "Rückmelder 12: belegt"},
        {{0xB2, 0x05, 0x40}, "Rückmelder 11: frei"},
        {{0xB0, 0x0A, 0x31}, "Weiche 139 stellen: grün, Ausgang ein"},
        {{0xB1, 0x0A, 0x50}, "Weichenmeldung 11: Hilfseingang ein"},
        {{0xB1, 0x0A, 0x20}, "Weichenmeldung 11: Ausgang grün ein, rot aus"},
        {{0xBB, 0x07, 0x00}, "Slot 7 anfordern"},
        {{0xBF, 0x09, 0x52}, "Slot für Lok 1234 anfordern"},
        {{0xA0, 0x07, 0x01}, "Slot 7: Nothalt"},
        {{0xA0, 0x07, 0x15}, "Slot 7: Fahrstufe 20"},
        {{0xA1, 0x07, 0x35}, "Slot 7: rückwärts, Funktionen an: F0 F1 F3"},
        {{0xB4, 0x6D, 0x7F}, "Quittung auf 0xED: Code 0x7F"},
        {{0xE7, 0x0E, 0x07, 0x33, 0x52, 0x15, 0x00, 0x07, 0x00, 0x09, 0x00, 0x00, 0x00},
         "Slotdaten Slot 7: Lok 1234, Fahrstufe 20, vorwärts, Funktionen an: keine"},
        {{0xD4, 0x20, 0x01, 0x02, 0x03}, "Opcode 0xD4, 6 Bytes"},
        // SamFlashRead(7501) with the signature, ReadRecord(240), DisplayWriteText("abc").
        {{0xED, 0x1F, 0x08, 0x49, 0x4B, 0x70, 0x00, 0x08, 0x4D, 0x1D, 0x70, 0x5A, 0x00, 0x00, 0x00, 0x30, 0x4B,
          0x32, 0x71, 0x0D, 0x30, 0x5E, 0x26, 0x39, 0x64, 0x00, 0x00, 0x00, 0x00, 0x00},
         "Datenbank: SAM-Flash lesen, Bereich 7501"},
        {{0xED, 0x1F, 0x08, 0x49, 0x4B, 0x70, 0, 0, 0, 0, 0x70, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0x40, 0, 0, 0, 0,
          0x01, 0x70, 0, 0, 0},
         "Datenbank: Seite 240 lesen"},
        {{0xED, 0x1F, 0x08, 0x49, 0x4B, 0x70, 0x61, 0x62, 0x63, 0, 0x70, 0, 0, 0, 0, 0x30, 0, 0, 0, 0, 0x10, 0, 0,
          0, 0, 0x30, 0, 0, 0, 0},
         "Datenbank: Anzeige \"abc\""},
        {{0xE5, 0x1F, 0x01, 0x50, 0x43, 0x70, 0x00, 0x7F, 0x7F, 0x7F, 0x70, 0, 0, 0, 0, 0x30, 0x4B, 0x32, 0x71,
          0x0D, 0x70, 0x5E, 0x26, 0x39, 0x64, 0, 0, 0, 0, 0},
         "Datenbank: Bereitmeldung der Zentrale"},
        {{0xED, 0x0F, 0x01, 0x4B, 0x58, 0x0C, 0x01, 0x48, 0x00, 0x53, 0x51, 0, 0, 0},
         "Lokdatenformat schreiben, Adresse 200: Werte 83, 81"},
        {{0xE5, 0x0F, 0x01, 0x4B, 0x58, 0x10, 0x04, 0x05, 0x00, 0x0F, 0, 0, 0, 0},
         "Antwort Magnetartikelformat lesen, Adresse 5: Werte 143, 0"},
    };
    for (const auto& row : rows) {
        QByteArray bytes;
        for (int b : row.bytes)
            bytes.append(char(b));
        EXPECT_EQ(describeBusMessage(MessageFramer::withChecksum(bytes)), QString::fromUtf8(row.words))
            << row.words;
        // The same bytes with one bit changed on the line say nothing reliable.
        QByteArray garbled = MessageFramer::withChecksum(bytes);
        garbled[garbled.size() - 1] = char(garbled.back() ^ 0x01);
        EXPECT_EQ(describeBusMessage(garbled).toStdString(), "Prüfsumme falsch, verworfen") << row.words;
    }
}
