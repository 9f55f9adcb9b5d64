#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kx2 {

// One column of a database's table as a CSV file.
struct CsvColumn {
    QString title;                          // the header cell: "Name", "f0"
    std::function<QString(int row)> text;   // the cell of a record
    // Import: "" when a cell fits, else why not ("Zahl 0 bis 79 erwartet"). Without it the column
    // is written only (route entries): a file whose cell there differs from text(row) is refused.
    std::function<QString(const QString& cell)> check = {};
    // Stores a checked cell that differs from text(row), marking the record for the next send as
    // an edit in the grid does.
    std::function<void(int row, const QString& cell)> apply = {};
};

// What a database shows of itself as CSV: one row per record, the key first. Each database
// builds one over its table; reading and writing the file is the same for all.
struct CsvTable {
    QString keyTitle;                                        // "Adresse", "Fahrstraße"
    std::vector<int> rows;                                   // the records written, in order
    std::function<QString(int row)> key;                     // the key cell of a record
    std::function<std::optional<int>(const QString&)> rowOf; // the record a key cell names
    std::vector<CsvColumn> columns;
    // Import: "" when a row's cells fit together (two name lines share one area), else why not.
    // cellOf(c) is the file's cell of column c, or the record's own text where the file has none.
    std::function<QString(const std::function<QString(int column)>& cellOf)> checkRow = {};
};

// UTF-8 with a byte-order mark (what spreadsheet programs take for UTF-8), ';' between cells,
// a header row, CRLF line ends. A cell holding ';', '"', a line end or blanks at either end is
// written in double quotes, a quote in it doubled, so every name comes back as it was.
QByteArray writeCsv(const CsvTable& table);

struct CsvImport {
    int changedRecords = 0;
    QString error; // "Zeile 4: Adresse 77 ist nicht in der Tabelle"; empty when taken
    bool ok() const { return error.isEmpty(); }
};

// Takes a file written by writeCsv, or edited from one: columns found by their header titles (in
// any order), rows by their key; a quoted cell may span lines. Every cell is checked before anything is stored, so a file with
// one bad cell, or an edit in a column that is written only, changes nothing.
CsvImport readCsv(const CsvTable& table, const QByteArray& data);

// The same from a file. Every error names the file on a line of its own and then why: the
// system's reason in German (fileErrorWords), or the line that was not taken.
CsvImport loadCsvFile(const CsvTable& table, const QString& path);

// Checks shared by the databases' columns.
namespace csv {
// A whole number first..last ("" when it is one).
QString checkNumber(const QString& cell, int first, int last, int* value = nullptr);
// A name of at most `maxChars` characters that the record bytes can hold (cp1252, no 0).
QString checkName(const QString& cell, int maxChars);
// Columns `first` and `first + 1` as the two lines of one name area of `maxChars` characters,
// neither holding the 13 that separates them.
std::function<QString(const std::function<QString(int)>&)> checkNameLines(int first, int maxChars);
} // namespace csv

} // namespace kx2
