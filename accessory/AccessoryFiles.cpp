#include "accessory/AccessoryFiles.h"

#include "accessory/AccessoryTable.h"

namespace kx2 {

RangeFileFormat accessoryFileFormat()
{
    return RangeFileFormat{
        isdHeaderAccessory(), AccessoryTable::Layout,
        [](int col, int v) {
            switch (col) {
            case AccessoryTable::Status: return v == 0 || v == 1 || v == 255;
            case AccessoryTable::Format: return v >= -1 && v <= 255;
            case AccessoryTable::FormatStatus: return v == 0 || v == 1;
            default: return v >= 0 && v <= 255;
            }
        }};
}

} // namespace kx2
