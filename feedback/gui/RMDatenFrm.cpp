#include "feedback/gui/RMDatenFrm.h"

#include "editor/gui/MagSymFrm.h"
#include "editor/gui/PictureCache.h"
#include "feedback/FeedbackFiles.h"
#include "feedback/FeedbackPrint.h"
#include "feedback/FeedbackTable.h"
#include "feedback/FeedbackTransfer.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

// The symbols are the accessories', chosen in their chooser.
RangeEditorDesign rMDatenDesign()
{
    return {"RMDatenFrm", feedbackEditorCaption(), "RMdatenGrid", {},
            "RmAdrStartTxt", "RmAdrEndTxt",
            QCoreApplication::translate("RMDatenFrm", "alle Daten aus &Tabelle löschen"), magSymbolFolder(),
            &MagSymFrm::create};
}

} // namespace

RMDatenFrm::RMDatenFrm(DatabaseContext& ctx, FeedbackTable& feedback, AddressRange& range, int& gridLoaded,
                       const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent)
    : RangeRecordEditor(ctx, rMDatenDesign(), feedback, range, gridLoaded, feedbackFileFormat(), programFolder, captions,
                        parent)
    , m_feedback(feedback)
{
}

PrintTable RMDatenFrm::printTable(const std::vector<int>& addresses)
{
    return feedbackPrintTable(m_feedback, addresses, printSource(pictures().programFolder()));
}

void RMDatenFrm::blankRecord(int a)
{
    m_feedback.Clear_RMDaten(a);
}

std::unique_ptr<RangeTransfer> RMDatenFrm::transfer()
{
    return std::make_unique<FeedbackTransfer>(m_ctx, m_feedback, rangeInUse());
}

} // namespace kx2
