#pragma once
#include "records/TableFile.h"

namespace kx2 {

// The accessory file "KX2-Magnetartikeldaten Version 1.0": the serial lines, the range, then 35
// cells per address. Loading marks every record and format of the range for sending.
RangeFileFormat accessoryFileFormat();

} // namespace kx2
