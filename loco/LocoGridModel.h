#pragma once
#include "loco/LocoTable.h"
#include "editor/GridEditing.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace kx2 {

class UserDialogs;

// What the locomotive editor's grid shows, decided without widgets. Rows and columns are
// numbered as the grid numbers them: row 0 is the header row, row 1 the first locomotive;
// column 0 the address column, which stays in place when the grid scrolls sideways.
namespace LocoGrid {

constexpr int Cols = 33;
constexpr int AddressCol = 0;
constexpr int FormatCol = 1;
constexpr int NameCol = 2;
constexpr int SpeedCol = 3;
constexpr int FirstFunctionCol = 4; // f0 .. f28 in columns 4 .. 32
constexpr int RowHeight = 41;       // room for the 39-pixel symbol pictures

QString header(int col);
int width(int col); // screen pixels

constexpr int functionOfColumn(int col) { return col - FirstFunctionCol; }
constexpr int columnOfFunction(int function) { return FirstFunctionCol + function; }
constexpr bool isFunctionColumn(int col) { return col >= FirstFunctionCol && col < Cols; }

} // namespace LocoGrid

// The text of a function cell without a picture.
QString noSymbolText();

// Symbol numbers 1..79 have a picture; 0 means "no symbol", anything else is shown like 0.
constexpr int SymbolCount = 80;
constexpr bool symbolHasPicture(int symbol) { return symbol > 0 && symbol < SymbolCount; }
// Where the picture of a locomotive function symbol lives under the program folder.
QString functionSymbolFile(int symbol);
QString functionSymbolFolder();

// One line of the grid as a rebuild fills it from a slot.
struct LocoGridLine {
    int slot = -1;
    QString address; // decimal
    QString format;  // FormatCodeToText of the slot's FormatCode, in the language in use
    QString name;    // ReadLokname
    QString speed;   // MaxSpeedHalf x 2
    std::array<int, LocoTable::FunctionCount> symbols{};
};

LocoGridLine locoGridLineOf(const LocoTable& table, int slot);
// The slots a rebuild shows, in slot order: status neither 255 nor 240.
std::vector<int> locoGridSlots(const LocoTable& table);

// The answer to "Lokadresse:" for a new locomotive.
enum class NewAddress {
    Cancelled, // Cancel or an empty answer: the line gets "-"
    Invalid,   // not a number in 1..9999: ask again
    Duplicate, // shown on another line already: ask again
    Accepted,
};
struct NewAddressCheck {
    NewAddress verdict;
    int address = 0; // the address when accepted
};
// otherAddresses: the address-cell values of every other grid line.
NewAddressCheck checkNewAddress(const std::optional<QString>& answer, const std::vector<int>& otherAddresses);
// Asks "Lokadresse:" for a new locomotive until the answer is accepted (the address) or given up
// (nullopt); an invalid or present address is refused with its message and asked again. `typed`
// shows each answer in the line's address cell.
std::optional<int> askNewLocoAddress(UserDialogs& dialogs, const std::vector<int>& otherAddresses,
                                     const std::function<void(const QString&)>& typed);

// The functions first..last of a selection from column `col` to column `colSel`, either way.
std::pair<int, int> functionRange(int col, int colSel);

// The editor's fixed texts.
QString invalidAddressText();   // "          Lokadresse ungültig!", a line break, "Bitte eine andere Lokadresse eingeben."
QString duplicateAddressText(); // "       Lokadresse schon vorhanden!", a line break, "Bitte eine ..."
QString tableFullText();        // two lines separated by a carriage return
QString symbolRangeQuestion(int first, int last);

} // namespace kx2
