#include "feedback/FeedbackTransfer.h"

#include "feedback/FeedbackTable.h"

#include <QCoreApplication>

namespace kx2 {

FeedbackTransfer::FeedbackTransfer(DatabaseContext& ctx, FeedbackTable& table, const AddressRange& range)
    : RangeTransfer(ctx, table, range, QCoreApplication::translate("FeedbackTransfer", "Rückmelder"),
                    FeedbackTable::Subject)
{
}

} // namespace kx2
