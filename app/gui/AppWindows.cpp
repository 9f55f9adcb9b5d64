#include "app/gui/AppWindows.h"

#include "accessory/gui/MagDatenFrm.h"
#include "app/AppContext.h"
#include "app/StationBackup.h"
#include "dbproto/DbMessageText.h"
#include "link/gui/MonitorWin.h"
#include "feedback/gui/RMDatenFrm.h"
#include "loco/LocoTransfer.h"
#include "loco/gui/LokdatenFrm.h"
#include "records/ReadKeepingTables.h"
#include "routes/gui/FSDatenFrm.h"
#include "editor/gui/GridEditor.h"
#include "shell/RememberedPlaces.h"
#include "shell/RememberingFileDialog.h"
#include "editor/gui/FlexGrid.h"
#include "shell/gui/MainWin.h"
#include "shell/gui/QtUserDialogs.h"
#include "shell/gui/ScreenFit.h"
#include "shell/gui/WindowPlaces.h"
#include "link/gui/ComWin.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTimer>

#include "BuildInfo.h"

namespace kx2 {

AppWindows::AppWindows(AppContext& ctx, MainWin& mainWin, const QString& programFolder, QObject* parent)
    : QObject(parent)
    , m_ctx(ctx)
    , m_mainWin(mainWin)
    , m_programFolder(programFolder)
{
    // No window opens larger than a small screen's room.
    new ScreenFit(this);
    connect(&m_mainWin, &MainWin::lokDatenRequested, this, &AppWindows::LokDaten_But_Click);
    connect(&m_mainWin, &MainWin::magDatenRequested, this, &AppWindows::MagDatenBut_Click);
    connect(&m_mainWin, &MainWin::rckmDatenRequested, this, &AppWindows::RckmDatenBut_Click);
    connect(&m_mainWin, &MainWin::fsDatenRequested, this, &AppWindows::FSDatenBut_Click);
    connect(&m_mainWin, &MainWin::backupRequested, this, &AppWindows::backupStation);
    connect(&m_mainWin, &MainWin::restoreRequested, this, &AppWindows::restoreStation);
    connect(&m_mainWin, &MainWin::monitorRequested, this, &AppWindows::showMonitor);
    // The route editor is there: the main window's route button works like the other three.
    m_mainWin.setRoutesAvailable(true);
    m_mainWin.setEndGuard([this] { return mayEnd(); });
    if (auto* comWin = dynamic_cast<ComWin*>(&m_ctx.platform.progress)) {
        comWin->setOwner(&m_mainWin);
        connect(comWin, &ComWin::transferFinished, this, [this] {
            // After the transfer's last word to the user, from the event loop.
            if (m_endAfterTransfer)
                QTimer::singleShot(0, &m_mainWin, [this] { m_mainWin.close(); });
        });
    }
}

bool AppWindows::mayEnd()
{
    auto* comWin = dynamic_cast<ComWin*>(&m_ctx.platform.progress);
    if (comWin && comWin->transferRunning()) {
        m_endAfterTransfer = comWin->offerCancel() || m_endAfterTransfer;
        return false;
    }
    return mayEndProgram();
}

bool AppWindows::mayEndProgram()
{
    for (GridEditor* editor : {static_cast<GridEditor*>(m_lokdaten.get()), static_cast<GridEditor*>(m_magDaten.get()),
                               static_cast<GridEditor*>(m_rmDaten.get()), static_cast<GridEditor*>(m_fsDaten.get())})
        if (editor && !editor->mayDiscardChanges())
            return false;
    return true;
}

AppWindows::~AppWindows()
{
    rememberNow();
}

namespace {
// Under these names the ranges are remembered.
const QString kAccessoryRangeKey = QStringLiteral("Magnetartikel");
const QString kFeedbackRangeKey = QStringLiteral("Rueckmelder");
constexpr int kAccessoryMax = 2048;
constexpr int kFeedbackMax = 4096;
} // namespace

void AppWindows::rememberIn(RememberedPlaces& places)
{
    m_places = &places;
    m_windowPlaces = std::make_unique<WindowPlaces>(places);
    if (const std::optional<AddressRange> r = places.range(kAccessoryRangeKey); r && r->isValidFor(kAccessoryMax))
        m_ctx.accessoryRange = *r;
    if (const std::optional<AddressRange> r = places.range(kFeedbackRangeKey); r && r->isValidFor(kFeedbackMax))
        m_ctx.feedbackRange = *r;
    m_mainWin.showRanges(m_ctx.accessoryRange, m_ctx.feedbackRange);
    m_ctx.settings.VerifyAfterSend = places.verifyAfterSend(m_ctx.settings.VerifyAfterSend);
    m_windowPlaces->keep(&m_mainWin);
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AppWindows::rememberNow);
}

void AppWindows::rememberNow()
{
    if (!m_places)
        return;
    m_windowPlaces->rememberAll();
    m_places->setRange(kAccessoryRangeKey, m_ctx.accessoryRange);
    m_places->setRange(kFeedbackRangeKey, m_ctx.feedbackRange);
    m_places->setVerifyAfterSend(m_ctx.settings.VerifyAfterSend);
    m_places->sync();
}

template <class Editor, class... Args>
Editor& AppWindows::editorOnce(std::unique_ptr<Editor>& slot, Args&&... args)
{
    if (!slot) {
        slot = std::make_unique<Editor>(std::forward<Args>(args)...);
        connect(slot.get(), &GridEditor::closedToMainWindow, this, &AppWindows::showMainWin);
        if (m_windowPlaces) {
            GridEditor* editor = slot.get();
            m_windowPlaces->keep(editor);
            m_windowPlaces->keepColumns(editor->grid());
            connect(editor, &GridEditor::gridLaidOut, this, [this, editor] { m_windowPlaces->restoreColumns(editor->grid()); });
        }
    }
    return *slot;
}

LokdatenFrm& AppWindows::lokdatenFrm()
{
    const bool created = lokdatenFrmCreated();
    LokdatenFrm& editor = editorOnce(m_lokdaten, m_ctx.database, m_ctx.locoData, m_programFolder,
                                     m_mainWin.deviceMenuCaptions(EditorKind::Loco));
    if (!created)
        editor.setUserFolder(m_userFolder);
    return editor;
}

MagDatenFrm& AppWindows::magDatenFrm()
{
    return editorOnce(m_magDaten, m_ctx.database, m_ctx.accessories, m_ctx.accessoryRange, m_ctx.MagGridLoaded,
                      m_programFolder, m_mainWin.deviceMenuCaptions(EditorKind::Accessory));
}

RMDatenFrm& AppWindows::rmDatenFrm()
{
    return editorOnce(m_rmDaten, m_ctx.database, m_ctx.feedback, m_ctx.feedbackRange, m_ctx.RmGridLoaded,
                      m_programFolder, m_mainWin.deviceMenuCaptions(EditorKind::Feedback));
}

FSDatenFrm& AppWindows::fsDatenFrm()
{
    return editorOnce(m_fsDaten, m_ctx.database, m_ctx.routes, m_ctx.RouteGridLoaded,
                      m_mainWin.deviceMenuCaptions(EditorKind::Routes));
}

MonitorWin& AppWindows::monitorWin()
{
    if (!m_monitor)
        m_monitor = std::make_unique<MonitorWin>(m_ctx.link, m_ctx.iface, m_ctx.platform.dialogs, m_ctx.platform.files,
                                                 describeBusMessage);
    return *m_monitor;
}

void AppWindows::showMonitor()
{
    MonitorWin& win = monitorWin();
    win.show();
    win.raise();
    win.activateWindow();
}

template <class Editor>
void AppWindows::afterRead(const ReadOutcome& read, Editor& (AppWindows::*editor)())
{
    // A read put back left the tables as they were; the range boxes keep what was typed, for
    // another try.
    if (!read.opensEditor())
        return;
    // The table was replaced: what an editor left earlier knew of it is gone. Shown first, since
    // its grid shows the records a read did not reach blank.
    GridEditor& e = (this->*editor)();
    e.history().clear();
    showEditor(e);
    e.markTableUnchanged();
}

void AppWindows::backupStation()
{
    const QString title = QCoreApplication::translate("AppWindows", "Sicherung der Zentrale anlegen");
    // The run reads into the editors' tables: changes neither sent nor saved are asked about first.
    if (!mayEndProgram())
        return;
    // The backup goes into a folder of its own, named by the day, in the folder chosen. The file
    // dialog knows where backups start.
    const QString place = m_ctx.platform.files.folderName(
        QCoreApplication::translate("AppWindows", "Ordner, in dem die Sicherung aller vier Datenbanken angelegt wird"),
        QString());
    if (place.isEmpty())
        return;
    rememberBackupPlace(place);
    const QString folder = QDir(place).filePath(QStringLiteral("Sicherung-") + QDate::currentDate().toString(Qt::ISODate));
    const std::optional<bool> quick = askQuickRead(
        QCoreApplication::translate("AppWindows", "Alle vier Datenbanken der Zentrale lesen und sichern in:")
            + QChar(13) + QDir::toNativeSeparators(folder),
        title);
    if (!quick)
        return;
    const QString program = QStringLiteral("kx2tool %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
    BackupOptions options;
    options.quick = *quick;
    tellStationRun(kx2::backupStation(m_ctx, folder, program, options), title);
}

void AppWindows::restoreStation()
{
    const QString title = QCoreApplication::translate("AppWindows", "Sicherung zurückspielen");
    if (!mayEndProgram())
        return;
    const QString folder = m_ctx.platform.files.folderName(
        QCoreApplication::translate("AppWindows", "Ordner der Sicherung, die zur Zentrale gesendet wird"),
        QString());
    if (folder.isEmpty())
        return;
    // The next backup or restore starts where the backups are, beside this one.
    rememberBackupPlace(folderOfPath(QDir::cleanPath(folder)));
    const std::optional<bool> quick = askQuickRead(
        QCoreApplication::translate("AppWindows",
                                    "Die Zentrale lesen, mit der Sicherung vergleichen und nur die Unterschiede "
                                    "schreiben; vor dem Schreiben wird gefragt. Sicherung:")
            + QChar(13) + QDir::toNativeSeparators(folder),
        title);
    if (!quick)
        return;
    RestoreOptions options;
    options.quick = *quick;
    tellStationRun(kx2::restoreStation(m_ctx, folder, options), title);
}

std::optional<bool> AppWindows::askQuickRead(const QString& text, const QString& title)
{
    const std::optional<bool> quick = m_ctx.platform.dialogs.askWithOption(
        text, QCoreApplication::translate("AppWindows", "Schnell: leere Datensätze an der ersten Seite erkennen"),
        QCoreApplication::translate(
            "AppWindows",
            "Magnetartikel, Rückmelder und Fahrstraßennamen, deren erste Seite leer ist (nur 0xFF), gelten als nie "
            "geschrieben; ihre übrigen Seiten werden nicht gelesen. Das spart etwa vier Zehntel der Zeit. Ein "
            "Datensatz, den ein anderes Programm nur hinter der ersten Seite beschrieben hat, wird dann nicht "
            "gelesen."),
        m_quickRead, title);
    if (quick)
        m_quickRead = *quick;
    return quick;
}

void AppWindows::rememberBackupPlace(const QString& place)
{
    if (m_places)
        m_places->setFolder(RememberingFileDialog::BackupKind, place);
}

void AppWindows::tellStationRun(const StationRunOutcome& outcome, const QString& title)
{
    // The tables now hold what the run read or loaded: every editor shows them anew.
    m_ctx.LocoGridLoaded = 0;
    m_ctx.MagGridLoaded = 0;
    m_ctx.RmGridLoaded = 0;
    m_ctx.RouteGridLoaded = 0;
    // They came from the station or from the backup's files: nothing in them is at risk.
    for (GridEditor* editor : {static_cast<GridEditor*>(m_lokdaten.get()), static_cast<GridEditor*>(m_magDaten.get()),
                               static_cast<GridEditor*>(m_rmDaten.get()), static_cast<GridEditor*>(m_fsDaten.get())})
        if (editor) {
            editor->history().clear();
            editor->markTableUnchanged();
        }
    m_mainWin.showRanges(m_ctx.accessoryRange, m_ctx.feedbackRange);
    m_ctx.platform.dialogs.messageBox(outcome.text, MsgButtons::Ok, outcome.ok() ? MsgIcon::Information : MsgIcon::Exclamation,
                                      title);
}

void AppWindows::LokDaten_But_Click()
{
    afterRead(readKeepingTables(
                  m_ctx.database, [this] { return m_ctx.locoTransfer().ReadLocoDatabase(); }, m_ctx.loco),
              &AppWindows::lokdatenFrm);
}

void AppWindows::MagDatenBut_Click(const AddressRange& range)
{
    afterRead(readKeepingTables(
                  m_ctx.database,
                  [this, range] {
                      m_ctx.accessoryRange = range;
                      return m_ctx.accessoryTransfer().ReadAccessoryDatabase();
                  },
                  m_ctx.accessories, m_ctx.accessoryRange),
              &AppWindows::magDatenFrm);
}

void AppWindows::RckmDatenBut_Click(const AddressRange& range)
{
    afterRead(readKeepingTables(
                  m_ctx.database,
                  [this, range] {
                      m_ctx.feedbackRange = range;
                      return m_ctx.feedbackTransfer().ReadFeedbackDatabase();
                  },
                  m_ctx.feedback, m_ctx.feedbackRange),
              &AppWindows::rmDatenFrm);
}

void AppWindows::FSDatenBut_Click()
{
    afterRead(readKeepingTables(m_ctx.database, [this] { return m_ctx.routeTransfer().ReadRoutes(); }, m_ctx.routes),
              &AppWindows::fsDatenFrm);
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
    // A read, a load or a blanking in an editor may have changed the ranges in use.
    m_mainWin.showRanges(m_ctx.accessoryRange, m_ctx.feedbackRange);
    dialogsOver(&m_mainWin);
    m_mainWin.show();
    m_mainWin.raise();
    m_mainWin.activateWindow();
}

void AppWindows::dialogsOver(QWidget* window)
{
    if (auto* dialogs = dynamic_cast<QtUserDialogs*>(&m_ctx.platform.dialogs))
        dialogs->setParent(window);
    FileDialog* files = &m_ctx.platform.files;
    // The ISD files of each window have a folder of their own.
    if (auto* remembering = dynamic_cast<RememberingFileDialog*>(files)) {
        remembering->setWindow(window->objectName());
        files = &remembering->dialog();
    }
    if (auto* qtFiles = dynamic_cast<QtFileDialog*>(files))
        qtFiles->setParent(window);
    if (auto* comWin = dynamic_cast<ComWin*>(&m_ctx.platform.progress))
        comWin->setOwner(window);
}

} // namespace kx2
