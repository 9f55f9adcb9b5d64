#include "feedback/gui/RMDatenFrm.h"

#include "accessory/gui/MagSymFrm.h"
#include "feedback/FeedbackFiles.h"
#include "feedback/FeedbackTable.h"
#include "feedback/FeedbackTransfer.h"

namespace kx2 {

namespace {

RangeEditorDesign Design()
{
    RangeEditorDesign d;
    d.formName = "RMDatenFrm";
    d.caption = QStringLiteral("Rückmelder-Datensätze:");
    d.gridName = "RMdatenGrid";
    d.fromBoxName = "RmAdrStartTxt";
    d.toBoxName = "RmAdrEndTxt";
    d.clearCaption = QStringLiteral("alle Daten aus Tabelle löschen");
    // Tab stores what was typed, as Enter does.
    d.tabKeepsText = true;
    // Feedback contacts show the accessory symbols.
    d.symbolFolder = MagSymbolFolder();
    return d;
}

} // namespace

RMDatenFrm::RMDatenFrm(DatabaseContext& ctx, FeedbackTable& feedback, AddressRange& range, int& gridLoaded,
                       const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent)
    : RangeRecordEditor(ctx, Design(), feedback, range, gridLoaded, FeedbackFileFormat(), programFolder, captions,
                        parent)
    , m_feedback(feedback)
{
}

void RMDatenFrm::Clear_RMDaten(int a)
{
    m_feedback.Clear_RMDaten(a);
}

std::unique_ptr<RangeTransfer> RMDatenFrm::transfer()
{
    return std::make_unique<FeedbackTransfer>(m_ctx, m_feedback, rangeInUse());
}

SymbolChooser* RMDatenFrm::newSymbolChooser()
{
    return new MagSymFrm(pictures(), [this](double seconds) { pause(seconds); }, this);
}

} // namespace kx2
