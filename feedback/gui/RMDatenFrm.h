#pragma once
#include "dbproto/gui/RangeRecordEditor.h"

namespace kx2 {

class FeedbackTable;

// The feedback editor: the feedback contacts of the range in use, one line each with its two
// name lines and its symbol, chosen from the accessory symbols.
class RMDatenFrm : public RangeRecordEditor {
    Q_OBJECT
public:
    static constexpr int NameLine1Col = 1;
    static constexpr int NameLine2Col = 2;
    static constexpr int SymbolCol = 3;

    // range, gridLoaded: the feedback range in use and RmGridLoaded; captions: the brand's
    // device menu (empty texts keep the designed ones).
    RMDatenFrm(DatabaseContext& ctx, FeedbackTable& feedback, AddressRange& range, int& gridLoaded,
               const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent = nullptr);

    QString ReadRMname(int line, int a) const { return nameOf(line, a); }
    void change_rm_sym() { changeSymbol(); }
    void Clear_RMDaten(int a);

    FlexGrid* RMdatenGrid() const { return grid(); }
    QLineEdit* RmAdrStartTxt() const { return AdrStartTxt(); }
    QLineEdit* RmAdrEndTxt() const { return AdrEndTxt(); }

protected:
    void blankRecord(int a) override { Clear_RMDaten(a); }
    std::unique_ptr<RangeTransfer> transfer() override;
    SymbolChooser* newSymbolChooser() override;

private:
    FeedbackTable& m_feedback;
};

} // namespace kx2
