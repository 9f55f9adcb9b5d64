#pragma once
#include "records/RangeTransfer.h"

namespace kx2 {

class FeedbackTable;

// Reading and sending the feedback records of an address range.
class FeedbackTransfer : public RangeTransfer {
public:
    FeedbackTransfer(DatabaseContext& ctx, FeedbackTable& table, const AddressRange& range);

    ReadOutcome ReadFeedbackDatabase() { return read(); }
    SendOutcome SendFeedbackDatabase() { return send(); }

protected:
    // The feedback send sets the interface up a second time once the progress window shows.
    bool afterConnect(TransferSession& s) override { return s.connect(); }
};

} // namespace kx2
