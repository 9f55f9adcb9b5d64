#pragma once
#include <QString>
#include <optional>

namespace kx2 {

// The addresses an accessory or feedback transfer, editor and file work on: first..last, both
// within 1..the database's highest address, first not above last.
struct AddressRange {
    int first = 1;
    int last = 16;
    int count() const { return last - first + 1; }
    bool contains(int address) const { return address >= first && address <= last; }
    bool isValidFor(int maxAddress) const { return first >= 1 && last <= maxAddress && first <= last; }
    bool operator==(const AddressRange& o) const { return first == o.first && last == o.last; }
    bool operator!=(const AddressRange& o) const { return !(*this == o); }
};

// What the user is told when a range cannot be used: it names the valid one.
QString addressRangeError(int maxAddress);

// The range typed into a "von Adr." / "bis Adr." pair, each box a whole number (ExactNumber.h),
// then checked. Nothing when it cannot be used (a box that is not only a number, such as "1e3"
// or "12abc", an address outside 1..maxAddress, first above last).
std::optional<AddressRange> parseAddressRange(const QString& from, const QString& to, int maxAddress);

} // namespace kx2
