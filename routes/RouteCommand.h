#pragma once
#include "shell/Language.h"

#include <QString>
#include <array>

namespace kx2 {

class RouteTables;

// The code of a route entry is decimal: for a value V the last digit k = V mod 10 is the kind
// of entry and a = V / 10 its argument; 50000 + L selects locomotive L. The grid shows each
// entry as a short text; the command dialog edits it through its fields.

// The command dialog's option buttons BefehlArtOpt, by index.
enum RouteCommandKind {
    KindAccessory = 0,      // "Magnetartbefehl"
    KindFeedback = 1,       // "Rückmeldebefehl"
    KindPause = 2,          // "Pause"
    KindSubRoute = 3,       // "Unterfahrstraßenaufruf"
    KindLocoSelect = 4,     // "Lokauswahl"
    KindLocoSpeed = 5,      // "Lok-Geschwindigkeit"
    KindLocoDirection = 6,  // "Lok-Fahrtrichtung"
    KindFunctionsF0F4 = 7,  // "Lok-Funktion f0-f4"
    KindFunctionsF5F8 = 8,  // "Lok-Funktion f5-f8"
    KindDelete = 9,         // "löschen"
    KindInsert = 10,        // "einfügen"
    KindAppended = 11,      // "Fahrst. anhängen"
    KindAutostart = 12,     // "Autostart-Fahrstraße"
};

// Codes only the dialog produces; the editor acts on them and never stores them.
inline constexpr int DeleteEntryCode = -1;
inline constexpr int InsertEntryCode = -2;

// What the command dialog's fields hold. An option group with nothing selected holds -1.
struct RouteCommandFields {
    int BefehlArtOpt = -1;
    QString MagAdrTxt;
    int MagstatOpt = -1;  // 0 "rot", 1 "grün"
    QString RMAdrTxt;
    int RMstatOpt = -1;   // 0 "frei", 1 "belegt"
    QString PauseTxt;     // seconds
    QString UnterTxt;     // route number
    QString LokAdrTxt;
    QString LokSpeedTxt;  // percent
    bool NotChk = false;  // emergency stop
    int FROpt = -1;       // 0 "vorwärts", 1 "rückwärts", 2 "wenden"
    std::array<bool, 9> FChk{};  // f0..f8

    bool operator==(const RouteCommandFields& o) const;
    bool operator!=(const RouteCommandFields& o) const { return !(*this == o); }
};

// The code the fields stand for, or why they stand for none.
struct EncodedCommand {
    int code = 0;
    QString error;  // German, names the range of the field; empty when the code is good
    bool ok() const { return error.isEmpty(); }
};

// Kind 8 or 9 below the locomotive range: a start on a contact, "angehängt" or "Autostart" as a
// start entry; as a command the end of the route or an empty place.
bool isStartKind(int code);

// The grid text of RouteData(route, entry); entry 1 is the start entry. In the station's German
// ("Mag.Art.5grün") for files and CSV tables, or in the language in use ("Acc.5 green") for
// whatever a person reads.
QString FS_Befehl_to_Text(const RouteTables& tables, int route, int entry, Wording wording = Wording::Station);
// The same for any value at a start entry's place or a command's place.
QString routeEntryText(const RouteTables& tables, int value, bool startEntry, Wording wording = Wording::Station);

// The code for the dialog's fields. With no option selected it is EditedCommand unchanged.
// Number fields take digits only; an address, time, speed or route outside its range, or a
// choice left open, is refused with a message and never turned into another entry.
EncodedCommand Form_to_FS_Befehl(const RouteCommandFields& fields, bool EditingStartEntry, const RouteTables& tables,
                                 int EditedCommand);
// What the speed field shows for an emergency stop, in the language in use.
QString emergencyStopWord();

// The fields that show EditedCommand.
RouteCommandFields FS_Befehl_to_Form(int EditedCommand, bool EditingStartEntry, const RouteTables& tables);

// x = num / den rounded to a whole number, an exact half going to the even neighbour.
long long roundHalfEven(long long num, long long den);

} // namespace kx2
