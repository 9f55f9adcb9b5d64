#pragma once
#include <cstdint>

namespace kx2 {

struct DatabaseContext;

// What the databases' drivers ask of the command station besides their records: the areas, the
// database index with its record counter, and the data formats. Each returns its result code as
// the protocol gave it, and what it read beside it.

// A data format read or stored: the code and value of a locomotive's format, or in `value` the
// format an accessory has (read) or was given (written: 15 or 143).
struct DataFormat {
    int result = 0;
    int code = 0;
    int value = 0;
};

// Loads data-flash `area` into the station's work buffer (DataFlashRead).
int loadArea(DatabaseContext& ctx, int area);
// ReadDatabaseIndex, with the count of the progress window on the index.
int ReadDatabaseIndex(DatabaseContext& ctx);
// A read leaves the record counter unknown: a send that does not read the index first hands out 0.
void forgetRecordCounter(DatabaseContext& ctx);
// The record number the next written record carries.
uint32_t nextRecordNumber(DatabaseContext& ctx);

DataFormat ReadLocoFormat(DatabaseContext& ctx, int address);
int WriteLocoFormat(DatabaseContext& ctx, int address, int code, int value);
DataFormat ReadAccessoryFormat(DatabaseContext& ctx, int address);
// Only Motorola (bit 7 of `value`) or DCC is stored; `value` of the answer says which.
DataFormat WriteAccessoryFormat(DatabaseContext& ctx, int address, int value);

} // namespace kx2
