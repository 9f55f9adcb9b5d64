#include "feedback/FeedbackTransfer.h"

#include "feedback/FeedbackTable.h"

namespace kx2 {

FeedbackTransfer::FeedbackTransfer(DatabaseContext& ctx, FeedbackTable& table, const AddressRange& range)
    : RangeTransfer(ctx, table, range, QStringLiteral("Rückmelder"))
{
}

} // namespace kx2
