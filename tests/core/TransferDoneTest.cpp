// The main window's line after a successful transfer.
#include "records/TransferDone.h"

#include <gtest/gtest.h>

using namespace kx2;

// Each line: the meter's tally and the line shown at 14:03.
TEST(TransferDone, SaysWhatWasDoneAndWhen)
{
    const std::pair<const char*, const char*> rows[] = {
        {"12 von 12 Datensätzen gesendet und geprüft", "12 Datensätze gesendet und geprüft, 14:03"},
        {"500 von 500 Datensätzen und 500 von 500 Datenformaten gelesen", "500 Datensätze und 500 Datenformate gelesen, 14:03"},
        {"80 von 80 Fahrstraßen und 7 von 7 Fahrstraßeneinträgen gesendet", "80 Fahrstraßen und 7 Fahrstraßeneinträge gesendet, 14:03"},
        {"3 von 5 Datensätzen gesendet; Datenbank-Index geschrieben", "3 von 5 Datensätzen gesendet; Datenbank-Index geschrieben, 14:03"},
        {"112 von 12 Datensätzen gelesen", "112 von 12 Datensätzen gelesen, 14:03"},
        {"", "Übertragung fertig, 14:03"},
    };
    for (const auto& [tally, shown] : rows)
        EXPECT_EQ(TransferDoneText(QString::fromUtf8(tally), QTime(14, 3, 59)), QString::fromUtf8(shown)) << tally;
}
