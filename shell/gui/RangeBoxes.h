#pragma once
#include "shell/AddressRange.h"

#include <optional>

class QLineEdit;

namespace kx2 {

class UserDialogs;

// A "von Adr." / "bis Adr." pair of boxes: the main window's for accessories and feedback, and
// the same pair under the accessory and feedback editors' grids. What is typed is taken only as
// a range the database has; anything else is refused with a message naming the valid range, and
// the boxes go back to the range in use.
class RangeBoxes {
public:
    RangeBoxes(QLineEdit* from, QLineEdit* to, int maxAddress) : m_from(from), m_to(to), m_maxAddress(maxAddress) {}

    // Shows the range in use.
    void show(const AddressRange& range);
    // The typed range, or nothing after telling the user why not.
    std::optional<AddressRange> take(UserDialogs& dialogs);

    QLineEdit* from() const { return m_from; }
    QLineEdit* to() const { return m_to; }

private:
    QLineEdit* m_from;
    QLineEdit* m_to;
    int m_maxAddress;
    AddressRange m_shown;
};

} // namespace kx2
