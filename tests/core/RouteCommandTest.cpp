// Route entry codes: the grid text of a code, the code of the command dialog's fields, and back.
#include "routes/RouteCommand.h"
#include "routes/RouteTables.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

RouteCommandFields fields(int kind, std::function<void(RouteCommandFields&)> set = {})
{
    RouteCommandFields f;
    f.BefehlArtOpt = kind;
    if (set)
        set(f);
    return f;
}

// Routes 3 and 5 start on contact 123 occupied, route 7 has no start entry.
RouteTables examples()
{
    RouteTables t;
    t.RouteData[3][1] = 1239;
    t.RouteData[5][1] = 1239;
    return t;
}

} // namespace

// Each line: a code, where it stands, its grid text, fields that give it, and the code those
// fields give (the code itself unless the dialog writes it another way). Both ways are run:
// fields -> code -> text, and code -> fields -> code.
TEST(RouteCommand, WorkedExamplesGoBothWays)
{
    const RouteTables t = examples();
    const struct {
        int code;
        bool start;
        const char* text;
        RouteCommandFields typed;
        int encoded;
    } rows[] = {
        {0, true, "leer", fields(-1), 0},
        {0, false, "-", fields(-1), 0},
        {8, true, "angehängt", fields(KindAppended), 8},
        {8, false, "-", fields(-1), 8},
        {9, true, "Autostart", fields(KindAutostart), 9},
        {9, false, "-", fields(-1), 9},
        {50003, false, "Lok 3", fields(KindLocoSelect, [](auto& f) { f.LokAdrTxt = "3"; }), 50003},
        {60000, false, "", fields(-1), 60000},
        {49991, false, "Mag.Art.4999grün", fields(KindAccessory, [](auto& f) { f.MagAdrTxt = "4999"; f.MagstatOpt = 1; }), 49991},
        {120, false, "Mag.Art.12rot", fields(KindAccessory, [](auto& f) { f.MagAdrTxt = "12"; f.MagstatOpt = 0; }), 120},
        {49999, true, "RM.Adr.4999belegt", fields(KindFeedback, [](auto& f) { f.RMAdrTxt = "4999"; f.RMstatOpt = 1; }), 49999},
        {1239, true, "RM.Adr.123belegt", fields(KindFeedback, [](auto& f) { f.RMAdrTxt = "123"; f.RMstatOpt = 1; }), 1239},
        {52, false, "RM.Adr.5frei", fields(KindFeedback, [](auto& f) { f.RMAdrTxt = "5"; f.RMstatOpt = 0; }), 52},
        {1274, false, "Geschw.100%", fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "100"; }), 1274},
        {24, false, "Geschw.1%", fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "1"; }), 24},
        {644, false, "Geschw.50%", fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "50"; }), 644},
        // R(31.5) = 32: an exact half goes to the even neighbour.
        {334, false, "Geschw.25%", fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "25"; }), 334},
        // R(94.5) = 94, not 95.
        {954, false, "Geschw.75%", fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "75"; }), 954},
        {14, false, "Lok Nothalt", fields(KindLocoSpeed, [](auto& f) { f.NotChk = true; f.LokSpeedTxt = "Nothalt"; }), 14},
        {4, false, "Lok Halt", fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "0"; }), 4},
        {10244, false, "Fahrtr.vorw.", fields(KindLocoDirection, [](auto& f) { f.FROpt = 0; }), 10244},
        {10254, false, "Fahrtr.rückw.", fields(KindLocoDirection, [](auto& f) { f.FROpt = 1; }), 10254},
        {10264, false, "Fahrtr.wenden", fields(KindLocoDirection, [](auto& f) { f.FROpt = 2; }), 10264},
        {10274, false, "Fahrtr.wenden", fields(KindLocoDirection, [](auto& f) { f.FROpt = 2; }), 10264},
        {20644, false, "Fkt. f0 ", fields(KindFunctionsF0F4, [](auto& f) { f.FChk[0] = true; }), 20644},
        {20484, false, "Fkt. aus (F0-4)", fields(KindFunctionsF0F4), 20484},
        {30874, false, "Fkt. f5 f6 f7 f8 ", fields(KindFunctionsF5F8, [](auto& f) { f.FChk[5] = f.FChk[6] = f.FChk[7] = f.FChk[8] = true; }), 30874},
        {105, false, "Pause 5s", fields(KindPause, [](auto& f) { f.PauseTxt = "5"; }), 105},
        {145, false, "Pause 7s", fields(KindPause, [](auto& f) { f.PauseTxt = "7"; }), 145},
        // Route 5 is reached through its start entry, which route 3 shares and comes first with.
        {1237, false, "UnterFS:3", fields(KindSubRoute, [](auto& f) { f.UnterTxt = "5"; }), 1237},
        // A route without a start entry is reached by no call.
        {0, false, "-", fields(KindSubRoute, [](auto& f) { f.UnterTxt = "7"; }), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(routeEntryText(t, row.code, row.start), QString::fromUtf8(row.text));
        const EncodedCommand typed = Form_to_FS_Befehl(row.typed, row.start, t, row.code);
        ASSERT_TRUE(typed.ok()) << typed.error.toStdString();
        EXPECT_EQ(typed.code, row.encoded);
        EXPECT_EQ(routeEntryText(t, typed.code, row.start), QString::fromUtf8(row.text));
        const EncodedCommand shown = Form_to_FS_Befehl(FS_Befehl_to_Form(row.code, row.start, t), row.start, t, row.code);
        EXPECT_EQ(shown.code, row.encoded);
    }
}

TEST(RouteCommand, FieldsOutsideTheirRangeAreRefusedNamingItAndKeepTheEntry)
{
    const RouteTables t = examples();
    const struct {
        RouteCommandFields typed;
        const char* message;
    } rows[] = {
        {fields(KindAccessory, [](auto& f) { f.MagAdrTxt = "0"; }), "Die Magnetartikeladresse muss eine ganze Zahl von 1 bis 4999 sein!"},
        {fields(KindAccessory, [](auto& f) { f.MagAdrTxt = "5000"; }), "von 1 bis 4999"},
        {fields(KindAccessory, [](auto& f) { f.MagAdrTxt = "12a"; }), "von 1 bis 4999"},
        {fields(KindFeedback, [](auto& f) { f.RMAdrTxt = "-"; f.RMstatOpt = 0; }), "Die Rückmeldeadresse muss eine ganze Zahl von 1 bis 4999 sein!"},
        {fields(KindFeedback, [](auto& f) { f.RMAdrTxt = "7"; }), "Bitte frei oder belegt wählen!"},
        {fields(KindPause, [](auto& f) { f.PauseTxt = "2500"; }), "Die Pause in Sekunden muss eine ganze Zahl von 0 bis 2499 sein!"},
        {fields(KindPause, [](auto& f) { f.PauseTxt = "1.5"; }), "von 0 bis 2499"},
        {fields(KindSubRoute, [](auto& f) { f.UnterTxt = "81"; }), "Die Nummer der Unterfahrstraße muss eine ganze Zahl von 1 bis 80 sein!"},
        {fields(KindLocoSelect, [](auto& f) { f.LokAdrTxt = "10000"; }), "Die Lokadresse muss eine ganze Zahl von 0 bis 9999 sein!"},
        {fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "101"; }), "Die Geschwindigkeit in Prozent muss eine ganze Zahl von 0 bis 100 sein!"},
        {fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "-5"; }), "von 0 bis 100"},
        {fields(KindLocoDirection), "Bitte eine Fahrtrichtung wählen!"},
        {fields(KindAccessory, [](auto& f) { f.MagAdrTxt = ""; }), "von 1 bis 4999"},
        // The last value each field takes.
        {fields(KindAccessory, [](auto& f) { f.MagAdrTxt = "4999"; f.MagstatOpt = 0; }), ""},
        {fields(KindPause, [](auto& f) { f.PauseTxt = "2499"; }), ""},
        {fields(KindLocoSelect, [](auto& f) { f.LokAdrTxt = "9999"; }), ""},
        {fields(KindLocoSpeed, [](auto& f) { f.LokSpeedTxt = "100"; }), ""},
    };
    for (const auto& row : rows) {
        const EncodedCommand e = Form_to_FS_Befehl(row.typed, false, t, 4711);
        if (!*row.message) {
            EXPECT_TRUE(e.ok()) << e.error.toStdString();
            continue;
        }
        EXPECT_TRUE(e.error.contains(QString::fromUtf8(row.message))) << e.error.toStdString();
        EXPECT_EQ(e.code, 4711);
    }
    RouteTables odd = t;
    odd.RouteData[9][1] = 1234;  // no start entry a call could reach
    EXPECT_FALSE(Form_to_FS_Befehl(fields(KindSubRoute, [](auto& f) { f.UnterTxt = "9"; }), false, odd, 0).ok());
}
