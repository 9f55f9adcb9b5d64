#pragma once
#include "editor/gui/RangeRecordEditor.h"

namespace kx2 {

class FeedbackTable;

// The feedback editor: the feedback contacts of the range in use, one line each with its two
// name lines and its symbol, chosen from the accessory symbols.
class RMDatenFrm : public RangeRecordEditor {
    Q_OBJECT
public:
    // range, gridLoaded: the feedback range in use and RmGridLoaded; captions: the brand's
    // device menu (empty texts keep the designed ones).
    RMDatenFrm(DatabaseContext& ctx, FeedbackTable& feedback, AddressRange& range, int& gridLoaded,
               const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent = nullptr);


protected:
    // Clear_RMDaten.
    void blankRecord(int a) override;
    std::unique_ptr<RangeTransfer> transfer() override;
    PrintTable printTable(const std::vector<int>& addresses) override;

private:
    FeedbackTable& m_feedback;
};

} // namespace kx2
