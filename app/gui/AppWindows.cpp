#include "app/gui/AppWindows.h"

#include "app/AppContext.h"
#include "loco/LocoTransfer.h"
#include "loco/gui/LokdatenFrm.h"
#include "shell/gui/GridEditor.h"
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

template <class Editor, class... Args>
Editor& AppWindows::editorOnce(std::unique_ptr<Editor>& slot, Args&&... args)
{
    if (!slot) {
        slot = std::make_unique<Editor>(std::forward<Args>(args)...);
        connect(slot.get(), &GridEditor::closedToMainWindow, this, &AppWindows::showMainWin);
    }
    return *slot;
}

LokdatenFrm& AppWindows::lokdatenFrm()
{
    return editorOnce(m_lokdaten, m_ctx.database, m_ctx.locoData, m_programFolder,
                      m_mainWin.deviceMenuCaptions(EditorKind::Loco));
}

void AppWindows::LokDaten_But_Click()
{
    if (m_ctx.locoTransfer().ReadLocoDatabase().showEditor)
        showEditor(lokdatenFrm());
}

void AppWindows::showEditor(GridEditor& editor)
{
    m_mainWin.hide();
    editor.GridLoaded = 0;
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
