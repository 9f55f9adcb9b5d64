#include "records/StoredSerial.h"

namespace kx2 {

QString StoredSerial::numberText() const
{
    for (int n = 1; n <= StoredSerial::Count; ++n)
        if (!value(n))
            return {};
    // As the station forms it: bits 6 and 7 of the third value are not part of the number.
    const qint64 number = 1200000000LL + qint64(*value(3) & 0x3F) * 65536 + qint64(*value(2)) * 256
                          + qint64(*value(1));
    return QString::number(number);
}

} // namespace kx2
