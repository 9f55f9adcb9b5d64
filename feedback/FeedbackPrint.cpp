#include "feedback/FeedbackPrint.h"

#include "feedback/FeedbackTable.h"

#include <QCoreApplication>

namespace kx2 {

QString feedbackEditorCaption()
{
    return QCoreApplication::translate("RMDatenFrm", "Rückmelder-Datensätze:");
}

PrintTable feedbackPrintTable(const FeedbackTable& table, const std::vector<int>& addresses, const PrintSource& source)
{
    return rangePrintTable(table, addresses, feedbackEditorCaption(), {}, source);
}

} // namespace kx2
