// The locomotive editor's exchange with JMRI and Rocrail: a locomotive list taken in as one
// step, the table written out as a JMRI roster.
#include "loco/gui/LokdatenFrm.h"

#include "editor/gui/PictureCache.h"
#include "loco/FunctionKeywords.h"
#include "loco/RosterExport.h"
#include "loco/RosterImport.h"
#include "shell/Language.h"

#include <QCoreApplication>
#include <QDir>

namespace kx2 {

void LokdatenFrm::RosterImportMenu_Click()
{
    commitNameEdit();
    const QString title = QCoreApplication::translate("LokdatenFrm", "Lokliste importieren");
    const BusyScope busy(*this);
    const QString path = services().files.openFileName(
        title, QString(), QCoreApplication::translate("LokdatenFrm", "JMRI-Roster, Rocrail-Plan (*.xml)|*.xml|"));
    if (!path.isEmpty())
        importLocoList(path);
}

void LokdatenFrm::importLocoList(const QString& path)
{
    commitNameEdit();
    const QString title = QCoreApplication::translate("LokdatenFrm", "Lokliste importieren");
    const BusyScope busy(*this);
    const auto refused = [&](const QString& why) {
        message(QCoreApplication::translate("LokdatenFrm", "Die Lokliste wurde nicht übernommen, nichts geändert:")
                    + QChar(13) + why,
                MsgButtons::Ok, MsgIcon::Critical, title);
    };
    const RosterFile roster = loadRosterFile(path);
    const FunctionKeywordsRead keywords = loadFunctionKeywords(m_pictures->programFolder(), m_userFolder);
    const RosterImportDone check = checkRosterImport(m_loco.table, roster);
    if (!roster.ok() || !keywords.ok() || check.verdict == RosterImportDone::Verdict::Refused)
        return refused(!roster.ok() ? roster.error : !keywords.ok() ? keywords.error : check.refusal);
    // The question before the step: nothing is asked from inside an edit.
    const bool shorten = check.verdict == RosterImportDone::Verdict::NeedsConsent;
    if (shorten && message(rosterShortenQuestion(check.tooLong), MsgButtons::YesNo, MsgIcon::Question, title) != MsgAnswer::Yes)
        return;
    RosterImportDone done;
    importAsOneStep(
        title, [&] { done = importRoster(m_loco.table, m_loco.formats, keywords.table, roster, shorten); },
        [&] { message(rosterSummaryText(done), MsgButtons::Ok, MsgIcon::Information, title); });
}

void LokdatenFrm::RosterExportMenu_Click()
{
    commitNameEdit();
    const QString title = QCoreApplication::translate("LokdatenFrm", "Als JMRI-Roster exportieren");
    const QString folder = services().files.folderName(title, QString());
    if (folder.isEmpty())
        return;
    const FunctionKeywordsRead keywords = loadFunctionKeywords(m_pictures->programFolder(), m_userFolder);
    const RosterExportDone done = keywords.ok() ? exportJmriRoster(m_loco.table, keywords.table, languageInUse(), folder)
                                                : RosterExportDone{0, keywords.error};
    if (!done.ok())
        message(done.error, MsgButtons::Ok, MsgIcon::Critical, title);
    else
        message(QCoreApplication::translate("LokdatenFrm", "%n Lokomotiven nach %1 exportiert.", nullptr, done.written)
                    .arg(QDir::toNativeSeparators(folder)),
                MsgButtons::Ok, MsgIcon::Information, title);
}

} // namespace kx2
