#include "app/gui/AppWindows.h"

#include "loco/LocoTransfer.h"
#include "loco/gui/LokdatenFrm.h"
#include "app/AppContext.h"
#include "shell/gui/MainWin.h"
#include "shell/gui/QtUserDialogs.h"

namespace kx2 {

AppWindows::AppWindows(AppContext& ctx, MainWin& mainWin, const QString& programFolder, QObject* parent)
    : QObject(parent)
    , m_ctx(ctx)
    , m_mainWin(mainWin)
    , m_programFolder(programFolder)
{
    connect(&m_mainWin, &MainWin::lokDatenRequested, this, &AppWindows::LokDaten_But_Click);
}

AppWindows::~AppWindows() = default;

LokdatenFrm& AppWindows::lokdatenFrm()
{
    if (!m_lokdaten) {
        m_lokdaten = std::make_unique<LokdatenFrm>(m_ctx.database, m_ctx.locoData, m_programFolder,
                                                   m_mainWin.deviceMenuCaptions(EditorKind::Loco));
        connect(m_lokdaten.get(), &LokdatenFrm::closedToMainWindow, this, &AppWindows::showMainWin);
    }
    return *m_lokdaten;
}

void AppWindows::LokDaten_But_Click()
{
    const LocoReadOutcome outcome = m_ctx.locoTransfer().ReadLocoDatabase();
    if (outcome.showEditor)
        showLokdaten();
}

void AppWindows::showLokdaten()
{
    LokdatenFrm& editor = lokdatenFrm();
    m_mainWin.hide();
    m_ctx.LocoGridLoaded = 0;
    dialogsOver(&editor);
    editor.show();
    editor.raise();
    editor.activateWindow();
    // Activation rebuilds the grid; on some platforms the window is activated later or not at
    // all, and a second activation with the grid loaded changes nothing.
    editor.Form_Activate();
}

void AppWindows::showMainWin()
{
    dialogsOver(&m_mainWin);
    m_mainWin.show();
    m_mainWin.raise();
    m_mainWin.activateWindow();
}

void AppWindows::dialogsOver(QWidget* window)
{
    if (auto* dialogs = dynamic_cast<QtUserDialogs*>(&m_ctx.platform.dialogs))
        dialogs->setParent(window);
    if (auto* files = dynamic_cast<QtFileDialog*>(&m_ctx.platform.files))
        files->setParent(window);
}

} // namespace kx2
