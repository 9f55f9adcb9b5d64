#include "shell/gui/RangeBoxes.h"

#include "shell/UserDialogs.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace kx2 {

void RangeBoxes::show(const AddressRange& range)
{
    m_shown = range;
    m_from->setText(QString::number(range.first));
    m_to->setText(QString::number(range.last));
}

std::optional<AddressRange> RangeBoxes::take(UserDialogs& dialogs)
{
    const std::optional<AddressRange> range = parseAddressRange(m_from->text(), m_to->text(), m_maxAddress);
    if (!range) {
        dialogs.messageBox(addressRangeError(m_maxAddress), MsgButtons::Ok, MsgIcon::Exclamation,
                           QCoreApplication::translate("RangeBoxes", "Adressbereich"));
        show(m_shown);
        return std::nullopt;
    }
    show(*range);
    return range;
}

} // namespace kx2
