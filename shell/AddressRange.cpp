#include "shell/AddressRange.h"

#include "shell/ExactNumber.h"

#include <QCoreApplication>

namespace kx2 {

QString addressRangeError(int maxAddress)
{
    return QCoreApplication::translate("AddressRange", "Ungültiger Adressbereich!") + QChar(13)
        + QCoreApplication::translate(
              "AddressRange", "Bitte Adressen von 1 bis %1 eingeben, \"von Adr.\" nicht größer als \"bis Adr.\".")
              .arg(maxAddress);
}

std::optional<AddressRange> parseAddressRange(const QString& from, const QString& to, int maxAddress)
{
    const std::optional<long long> first = wholeNumber(from);
    const std::optional<long long> last = wholeNumber(to);
    if (!first || !last || *first < 1 || *last > maxAddress || *first > *last)
        return std::nullopt;
    return AddressRange{int(*first), int(*last)};
}

} // namespace kx2
