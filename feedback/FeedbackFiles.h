#pragma once
#include "records/TableFile.h"

namespace kx2 {

// The feedback file "KX2-Rückmelderdaten Version 1.0": the serial lines, the range, then 35
// cells per address. Loading marks every record of the range for sending.
RangeFileFormat feedbackFileFormat();

} // namespace kx2
