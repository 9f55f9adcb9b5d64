#include "shell/AddressRange.h"

#include "shell/LeadingNumber.h"

namespace kx2 {

QString AddressRangeError(int maxAddress)
{
    return QStringLiteral("Ungültiger Adressbereich!") + QChar(13)
           + QStringLiteral("Bitte Adressen von 1 bis %1 eingeben, \"von Adr.\" nicht größer als \"bis Adr.\".")
                 .arg(maxAddress);
}

std::optional<AddressRange> ParseAddressRange(const QString& from, const QString& to, int maxAddress)
{
    const AddressRange r{LeadingNumber(from), LeadingNumber(to)};
    if (!r.isValidFor(maxAddress))
        return std::nullopt;
    return r;
}

} // namespace kx2
