#include "app/gui/ScreenshotTour.h"

#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "loco/LocoGridModel.h"
#include "loco/LocoTable.h"
#include "loco/gui/LokdatenFrm.h"
#include "routes/gui/FSDatenFrm.h"
#include "app/AppContext.h"
#include "app/gui/AppWindows.h"
#include "link/gui/ComWin.h"
#include "link/gui/MonitorWin.h"
#include "editor/gui/FlexGrid.h"
#include "editor/gui/SymbolChooser.h"
#include "shell/gui/MainWin.h"
#include "editor/gui/SearchBar.h"
#include "sim/PortSwitch.h"
#include "sim/SimCommandStation.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopeGuard>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace kx2 {

namespace {

// Lets the windows lay themselves out and paint.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Camera {
public:
    explicit Camera(const QString& folder) : m_folder(folder) {}

    void take(QWidget* window, const QString& name)
    {
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (!window || !window->isVisible()) {
            std::fprintf(stderr, "%s: Fenster nicht angezeigt\n", qPrintable(name));
            ++failures;
            return;
        }
        window->raise();
        settle(150);
        save(window->grab(), path);
    }

    // What the screen shows of `back` with `front` over it (a dialog over its editor).
    void takeOver(QWidget* front, QWidget* back, const QString& name)
    {
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (!front || !front->isVisible() || !back || !back->isVisible() || !back->screen()) {
            std::fprintf(stderr, "%s: Fenster nicht angezeigt\n", qPrintable(name));
            ++failures;
            return;
        }
        front->raise();
        settle(150);
        const QRect area = back->frameGeometry().united(front->frameGeometry());
        save(back->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()), path);
    }

    int failures = 0;

private:
    void save(const QPixmap& picture, const QString& path)
    {
        if (picture.isNull() || !picture.save(path)) {
            std::fprintf(stderr, "%s: nicht gespeichert\n", qPrintable(path));
            ++failures;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }

    QString m_folder;
};

// Starts a read as the user does and photographs the editor that opens; nullptr when none did.
template <class Editor>
Editor* readIntoEditor(AppWindows& windows, Camera& camera, const std::function<void()>& read,
                       bool (AppWindows::*created)() const, Editor& (AppWindows::*editor)(), const QString& name)
{
    read();
    if (!(windows.*created)()) {
        ++camera.failures;
        return nullptr;
    }
    Editor& shown = (windows.*editor)();
    settle(300);
    camera.take(&shown, name);
    return &shown;
}

// The next column dialog the editor shows, moved to `offset` from the editor's top left,
// photographed over the editor (after `before`, when given) and cancelled.
void photographNextDialog(GridEditor& editor, Camera& camera, QPoint offset, const QString& name,
                          const std::function<void(QDialog*)>& before = {})
{
    QObject::connect(
        &editor, &GridEditor::columnDialogShown, &editor,
        [&camera, &editor, offset, name, before](QDialog* dialog) {
            dialog->move(editor.geometry().topLeft() + offset);
            if (before)
                before(dialog);
            settle(300);
            camera.takeOver(dialog, &editor, name);
            dialog->reject();
        },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

// Answers the next message box once it shows (photographed over `back` first when `name` is
// given): Ja or Nein.
void answerNextBox(Camera& camera, QWidget* back, const QString& name, bool yes)
{
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll, [&camera, back, name, yes, poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        if (!name.isEmpty()) {
            settle(200);
            camera.takeOver(box, back, name);
        }
        if (QAbstractButton* b = box->button(yes ? QMessageBox::Yes : QMessageBox::No))
            b->click();
    });
    poll->start();
}

// The editor's printout as a PDF file beside the pictures; scripts/screenshots.sh turns its first
// page into one.
void printOut(GridEditor& editor, Camera& camera, const QString& folder, const QString& name)
{
    const QString error = editor.savePdf(QDir(folder).filePath(name + QStringLiteral(".pdf")));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(error));
        ++camera.failures;
    }
}

// Leaves an editor; when its table holds changes the question is answered with Ja.
void leave(GridEditor& editor, Camera& camera, const QString& questionName = QString())
{
    if (editor.holdsUnsavedChanges())
        answerNextBox(camera, &editor, questionName, true);
    editor.AbbrechenMenu_Click();
    settle(200);
}

// "Lokliste importieren (JMRI, Rocrail)..." with a Rocrail plan: the question about a name too
// long photographed and answered Ja, then the summary photographed.
void photographRosterImport(LokdatenFrm& editor, LocoTable& table, Camera& camera)
{
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("plan.xml"));
    int first = 0;
    while (first < LocoTable::SlotCount - 1 && !table.holdsRecord(first))
        ++first;
    QFile file(plan);
    if (!file.open(QIODevice::WriteOnly)) {
        ++camera.failures;
        return;
    }
    file.write(QStringLiteral("<plan><lclist>\n"
                              "<lc id=\"%1\" addr=\"%2\" prot=\"N\" spcnt=\"128\"><fundef fn=\"0\" text=\"Licht\"/></lc>\n"
                              "<lc id=\"BR 50 3022 mit Kabinentender\" addr=\"3022\" prot=\"M\" V_max=\"80\" V_mode=\"kmh\">"
                              "<fundef fn=\"0\" text=\"Light\"/><fundef fn=\"1\" text=\"Rauch\"/><fundef fn=\"2\" text=\"Pfeife\"/></lc>\n"
                              "<lc id=\"V 200 033\" addr=\"2033\" prot=\"L\" spcnt=\"28\"><fundef fn=\"2\" text=\"Horn\"/></lc>\n"
                              "</lclist></plan>\n")
                   .arg(table.ReadLokname(first) + QStringLiteral(" (Rocrail)"))
                   .arg(table.address(first))
                   .toUtf8());
    file.close();
    QTimer look;
    bool busy = false;
    QObject::connect(&look, &QTimer::timeout, &editor, [&] {
        if (busy)
            return;
        busy = true;
        const QScopeGuard done([&busy] { busy = false; });
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            settle(200);
            camera.takeOver(box, &editor,
                            yes ? QStringLiteral("71_roster_shorten_question") : QStringLiteral("70_roster_import_summary"));
            if (yes)
                yes->click();
            else
                box->accept();
        }
    });
    look.start(100);
    editor.importLocoList(plan);
    look.stop();
}

// A whole backup: the progress window over the main window once in each phase, as its step first
// shows, and at its end with "Schließen". The folder is taken as offered, the read is the full
// one, and the box that tells the outcome is answered.
void photographBackup(AppWindows& windows, MainWin& main, Camera& camera)
{
    auto* progress = dynamic_cast<ComWin*>(&windows.context().platform.progress);
    auto* backup = main.findChild<QAction*>(QStringLiteral("Sicherung_menu"));
    if (!progress || !backup) {
        ++camera.failures;
        return;
    }
    // Each phase by the start of its step text in the language in use; one that counts is
    // photographed a third of the way through.
    const auto step = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).section(QStringLiteral("%1"), 0, 0);
    };
    const auto aThirdThrough = [progress] {
        const QStringList numbers =
            progress->countText().split(QRegularExpression(QStringLiteral("\\D+")), Qt::SkipEmptyParts);
        return numbers.size() >= 2 && 3 * numbers[0].toInt() >= numbers[1].toInt();
    };
    const std::vector<std::pair<QString, QString>> phases{
        {step("TransferSession", " Datenbank öffnen"), QStringLiteral("40_backup_opening")},
        {step("LocoTransfer", " Lokdatensatz %1 lesen"), QStringLiteral("41_backup_loco_records")},
        {step("LocoTransfer", " Lokdatenfrm. Adr. %1 lesen"), QStringLiteral("42_backup_loco_formats")},
        {step("DatabaseLayout", " Magnetartikeldaten ab Adr.: "), QStringLiteral("43_backup_accessories")},
        {step("AccessoryTransfer", " Magdatenfrm. Adr. %1 lesen"), QStringLiteral("44_backup_accessory_formats")},
        {step("DatabaseLayout", " Rückmelderdaten ab Adr.: "), QStringLiteral("45_backup_feedback")},
        {step("RouteTransfer", " FS-Namen %1 lesen"), QStringLiteral("46_backup_route_names")},
        {step("RouteTransfer", " FS-Daten %1 lesen"), QStringLiteral("47_backup_route_data")},
        {step("TransferSession", " Datenbank schließen"), QStringLiteral("48_backup_closing")},
        {step("TransferSession", " fertig!"), QStringLiteral("49_backup_done")},
    };
    std::vector<bool> taken(phases.size());
    bool busy = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &main, [&] {
        if (busy)
            return;
        busy = true;
        const QScopeGuard done([&busy] { busy = false; });
        QWidget* shown = QApplication::activeModalWidget();
        if (auto* folders = qobject_cast<QFileDialog*>(shown)) {
            static_cast<QDialog*>(folders)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(shown)) {
            if (box->checkBox())
                box->checkBox()->setChecked(false);
            box->button(QMessageBox::Ok)->click();
        } else if (progress->isVisible()) {
            for (size_t i = 0; i < phases.size(); ++i)
                if (!taken[i] && progress->text().startsWith(phases[i].first)
                    && (i == 0 || i + 2 >= phases.size() || aThirdThrough())) {
                    taken[i] = true;
                    // The window paints its step and count at most four times a second.
                    settle(300);
                    camera.takeOver(progress, &main, phases[i].second);
                }
        }
    });
    // At every wait of the transfer: a phase of a few requests is seen too.
    look.start(0);
    backup->trigger();
    look.stop();
    for (size_t i = 0; i < phases.size(); ++i)
        if (!taken[i]) {
            std::fprintf(stderr, "%s: Schritt nicht gesehen\n", qPrintable(phases[i].second));
            ++camera.failures;
        }
}

} // namespace

int runScreenshotTour(AppWindows& windows, const QString& folder)
{
    QDir().mkpath(folder);
    Camera camera(folder);
    MainWin& main = windows.mainWin();

    main.show();
    settle(300);
    camera.take(&main, QStringLiteral("01_main"));

    main.showOptions();
    settle(200);
    camera.take(main.optWin(), QStringLiteral("02_options"));
    if (main.optWin())
        main.optWin()->close();

    main.showHelp();
    settle(200);
    camera.take(main.helpWin(), QStringLiteral("03_help"));
    if (main.helpWin())
        main.helpWin()->close();

    // The information box is modal: it is photographed and closed from inside its own loop.
    QTimer::singleShot(400, &main, [&camera] {
        QWidget* box = QApplication::activeModalWidget();
        camera.take(box, QStringLiteral("04_programinfo"));
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->accept();
    });
    main.showProgramInfo();

    // The progress window with its bar is photographed over the main window while the read runs.
    QTimer::singleShot(1500, &main, [&windows, &camera, &main] {
        camera.takeOver(dynamic_cast<QWidget*>(&windows.context().platform.progress), &main, QStringLiteral("05_progress"));
    });
    LokdatenFrm* loco = readIntoEditor(windows, camera, [&windows] { windows.LokDaten_But_Click(); },
                                       &AppWindows::lokdatenFrmCreated, &AppWindows::lokdatenFrm,
                                       QStringLiteral("06_editor"));
    if (!loco)
        return camera.failures;
    LokdatenFrm& editor = *loco;
    printOut(editor, camera, folder, QStringLiteral("50_loco_printout"));

    // The name edit over the second locomotive's name.
    editor.LokdatenGrid()->selectCell(2, 2);
    settle(200);
    camera.take(&editor, QStringLiteral("07_editor_name_edit"));
    editor.LokdatenGrid()->selectCell(1, 1);

    // Each column dialog is photographed once it is shown and then cancelled.
    const auto nextDialog = [&editor, &camera](const QString& name) {
        QObject::connect(
            &editor, &LokdatenFrm::columnDialogShown, &editor,
            [&camera, name](QDialog* dialog) {
                settle(300);
                camera.take(dialog, name);
                dialog->reject();
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    };
    nextDialog(QStringLiteral("08_format_dialog"));
    editor.LokdatenGrid()->selectCell(1, 1);
    editor.change_data_frm();
    nextDialog(QStringLiteral("09_symbol_dialog"));
    editor.LokdatenGrid()->selectCell(1, 6);
    editor.change_fkt_sym();
    nextDialog(QStringLiteral("10_speed_dialog"));
    editor.LokdatenGrid()->selectCell(1, 3);
    editor.change_maxspeed();

    // The name box with the count under it, a longer name typed (and given up again).
    editor.LokdatenGrid()->selectCell(3, LocoGrid::NameCol);
    editor.InpText()->setText(QStringLiteral("E 94 Krokodil (DB)"));
    settle(200);
    camera.take(&editor, QStringLiteral("60_loco_name_box_count"));
    editor.InpText()->hide();
    // The function-symbol chooser over the editor as it opens: f5's symbol marked.
    photographNextDialog(editor, camera, QPoint(330, 60), QStringLiteral("61_loco_symbol_chooser"));
    editor.LokdatenGrid()->selectCell(2, LocoGrid::columnOfFunction(5));
    editor.change_fkt_sym();

    // A send to a station that stores a byte of every page wrongly: the check after the send
    // reports what differs. The question before the send is answered, the report photographed.
    if (auto* port = dynamic_cast<sim::PortSwitch*>(&windows.context().platform.port)) {
        port->station().faults().corruptWritesEvery = 1;
        AppContext& ctx = windows.context();
        ctx.loco.WriteLokname(0, QStringLiteral("Köf II"));
        ctx.loco.setStatus(0, LocoTable::StatusChanged);
        editor.GridLoaded = 0;
        editor.Form_Activate();
        QTimer boxes;
        bool busy = false;
        QObject::connect(&boxes, &QTimer::timeout, &main, [&camera, &editor, &busy] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || busy)
                return;
            busy = true;
            const QScopeGuard done([&busy] { busy = false; });
            if (box->button(QMessageBox::Yes)) {
                box->button(QMessageBox::Yes)->click();
                return;
            }
            camera.takeOver(box, &editor, QStringLiteral("17_send_check_report"));
            box->accept();
        });
        boxes.start(400);
        editor.SendToKX2Menu_Click();
        boxes.stop();
        port->station().faults().corruptWritesEvery = 0;
        if (QWidget* progress = dynamic_cast<QWidget*>(&ctx.platform.progress))
            progress->hide();
    }

    leave(editor, camera);

    // The accessory editor with the range the main window's boxes hold, read from the station.
    const auto button = [&main](const char* name) {
        return [&main, name] { main.findChild<QPushButton*>(QLatin1String(name))->click(); };
    };
    MagDatenFrm* mag = readIntoEditor(windows, camera, button("MagDatenBut"), &AppWindows::magDatenFrmCreated,
                                      &AppWindows::magDatenFrm, QStringLiteral("11_accessory_editor"));
    if (!mag)
        return camera.failures;
    MagDatenFrm& accessories = *mag;
    printOut(accessories, camera, folder, QStringLiteral("51_accessory_printout"));

    // A name being typed over the second accessory's first line.
    accessories.grid()->selectCell(2, 2);
    accessories.InpText()->end(false);
    accessories.InpText()->insert(QStringLiteral(" Nord"));
    settle(200);
    camera.take(&accessories, QStringLiteral("12_accessory_name_edit"));

    // The symbol chooser over the editor's name columns.
    photographNextDialog(accessories, camera, QPoint(110, 90), QStringLiteral("13_accessory_symbol_dialog"));
    accessories.grid()->selectCell(3, 4);
    accessories.change_mag_sym();

    // Line 1 of the fourth accessory as long as the area lets it be beside its line 2; the count
    // in the line's strip under the box.
    accessories.grid()->selectCell(4, 2);
    accessories.InpText()->setText(QStringLiteral("Ausfahrt Gleis 3"));
    settle(200);
    camera.take(&accessories, QStringLiteral("62_accessory_name_box_count"));
    accessories.InpText()->hide();
    // The chooser after a single click on symbol 17: marked, waiting for OK.
    photographNextDialog(accessories, camera, QPoint(40, 200), QStringLiteral("63_accessory_symbol_marked"),
                         [](QDialog* dialog) {
                             if (auto* chooser = qobject_cast<SymbolChooser*>(dialog)) {
                                 const std::pair<int, int> cell = chooser->cellOf(17);
                                 chooser->symbolGrid()->selectCell(cell.first, cell.second);
                             }
                         });
    accessories.grid()->selectCell(5, 4);
    accessories.change_mag_sym();
    leave(accessories, camera);

    if (RMDatenFrm* feedback = readIntoEditor(windows, camera, button("RckmDatenBut"), &AppWindows::rmDatenFrmCreated,
                                              &AppWindows::rmDatenFrm, QStringLiteral("14_feedback_editor"))) {
        printOut(*feedback, camera, folder, QStringLiteral("52_feedback_printout"));
        leave(*feedback, camera);
    }
    // A range beyond the contacts in use: before a printout the editor asks whether the empty
    // lines go onto the paper too. The question is photographed and cancelled.
    windows.RckmDatenBut_Click({1, 48});
    if (windows.rmDatenFrmCreated()) {
        RMDatenFrm& feedback = windows.rmDatenFrm();
        QTimer question;
        QObject::connect(&question, &QTimer::timeout, &feedback, [&camera, &feedback, &question] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->checkBox()) {
                question.stop();
                camera.takeOver(box, &feedback, QStringLiteral("54_print_question"));
                box->button(QMessageBox::Cancel)->click();
            }
        });
        question.start(300);
        feedback.PdfMenu_Click();
        question.stop();
        leave(feedback, camera);
    }

    FSDatenFrm* fs = readIntoEditor(windows, camera, button("FSDatenBut"), &AppWindows::fsDatenFrmCreated,
                                    &AppWindows::fsDatenFrm, QStringLiteral("15_route_editor"));
    if (!fs)
        return camera.failures;
    FSDatenFrm& routes = *fs;
    printOut(routes, camera, folder, QStringLiteral("53_route_printout"));
    // The command dialog over the routes, on a speed command of route 3, below that line so that
    // its cell shows.
    photographNextDialog(routes, camera, QPoint(260, 130), QStringLiteral("16_route_command_dialog"));
    routes.FSdatenGrid()->selectCell(3, FSDatenFrm::StartCol + 3);
    routes.change_fs_daten();
    leave(routes, camera);

    // The locomotives once more: a new one, a renamed one and a deleted one, marked in the grid
    // until they are sent or saved, with the grid scrolled sideways past the first functions;
    // then the question that leaving asks.
    windows.LokDaten_But_Click();
    LokdatenFrm* again = &windows.lokdatenFrm();
    settle(300);
    LocoTable& table = windows.context().loco;
    if (const std::optional<int> slot = table.firstReusableSlot())
        table.createRecord(*slot, 99, QStringLiteral("Köf III"));
    again->GridLoaded = 0;
    again->Form_Activate();
    FlexGrid* grid = again->LokdatenGrid();
    grid->selectCell(2, 2);
    again->InpText()->setText(again->InpText()->text() + QStringLiteral(" (neu lackiert)"));
    // The question before a delete, over the line it is about (selected as a click on its address
    // selects it).
    grid->selectLine(4);
    answerNextBox(camera, again, QStringLiteral("27_delete_question"), true);
    again->del_datensatz();
    grid->selectCell(1, 1);
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum() / 3);
    settle(300);
    camera.take(again, QStringLiteral("18_editor_marked_lines"));

    // The Bearbeiten menu names the step an undo takes back (the deletion just made).
    if (auto* edit = again->findChild<QMenu*>(QStringLiteral("BearbeitenMenu"))) {
        const QRect item = again->menuBar()->actionGeometry(edit->menuAction());
        edit->popup(again->menuBar()->mapToGlobal(item.bottomLeft()));
        settle(300);
        camera.takeOver(edit, again, QStringLiteral("22_edit_menu_undo_step"));
        edit->hide();
    }
    // The search line with a match, and the grid sorted by name (the heading shows the direction).
    again->SuchenMenu_Click();
    again->searchBar()->SuchText()->setText(QStringLiteral("krokodil"));
    Q_EMIT again->searchBar()->typed(again->searchBar()->text());
    settle(300);
    camera.take(again, QStringLiteral("23_search_line_match"));
    Q_EMIT grid->HeaderSort(LocoGrid::NameCol);
    Q_EMIT grid->HeaderSort(LocoGrid::NameCol);
    settle(300);
    camera.take(again, QStringLiteral("24_grid_sorted_by_name"));
    // By the maximum speed: the arrow beside a heading that fills its column.
    Q_EMIT grid->HeaderSort(LocoGrid::SpeedCol);
    grid->horizontalScrollBar()->setValue(0);
    settle(300);
    camera.take(again, QStringLiteral("64_grid_sorted_by_speed"));
    photographRosterImport(*again, table, camera);
    leave(*again, camera, QStringLiteral("19_unsaved_changes_question"));

    // The bus monitor while the locomotives are read: photographed in the middle of the read.
    windows.showMonitor();
    MonitorWin& monitor = windows.monitorWin();
    monitor.move(main.geometry().topLeft() + QPoint(40, 40));
    QTimer::singleShot(1800, &main, [&camera, &monitor] {
        monitor.refresh();
        camera.take(&monitor, QStringLiteral("20_monitor_during_read"));
    });
    windows.LokDaten_But_Click();
    if (windows.lokdatenFrmCreated())
        windows.lokdatenFrm().AbbrechenMenu_Click();
    monitor.close();
    settle(200);

    // The options with a LocoNet-over-TCP port typed in.
    main.showOptions();
    if (OptWin* opt = main.optWin()) {
        opt->comPortTxt()->setEditText(QStringLiteral("tcp:192.168.0.20:1234"));
        settle(200);
        camera.take(opt, QStringLiteral("21_options_network_port"));
        opt->close();
    }

    // A backup: the folder is taken as the dialog offers it, the question with the quick read's
    // check box is photographed and cancelled.
    QTimer modal;
    QObject::connect(&modal, &QTimer::timeout, &main, [&camera, &main] {
        QWidget* shown = QApplication::activeModalWidget();
        if (auto* folders = qobject_cast<QFileDialog*>(shown)) {
            static_cast<QDialog*>(folders)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->checkBox()) {
            camera.takeOver(box, &main, QStringLiteral("25_backup_quick_read"));
            box->button(QMessageBox::Cancel)->click();
        }
    });
    modal.start(300);
    if (auto* backup = main.findChild<QAction*>(QStringLiteral("Sicherung_menu")))
        backup->trigger();
    modal.stop();
    photographBackup(windows, main, camera);

    // A read that fails: the station never says it is ready. The box is answered, and the main
    // window's line says how the last transfer ended.
    if (auto* port = dynamic_cast<sim::PortSwitch*>(&windows.context().platform.port)) {
        port->station().faults().readyNeverComes = true;
        QTimer failure;
        QObject::connect(&failure, &QTimer::timeout, &main, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        failure.start(300);
        windows.MagDatenBut_Click(windows.context().accessoryRange);
        failure.stop();
        port->station().faults().readyNeverComes = false;
        if (windows.magDatenFrmCreated())
            windows.magDatenFrm().close();
        settle(300);
        camera.take(&main, QStringLiteral("26_status_after_failed_read"));
    }

    // A whole backup, quick, to its end: the report it ends with over the main window.
    QTimer backupBoxes;
    bool answering = false;
    QObject::connect(&backupBoxes, &QTimer::timeout, &main, [&camera, &main, &answering] {
        QWidget* shown = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(shown);
        if (answering || !(box || qobject_cast<QFileDialog*>(shown)))
            return;
        answering = true;
        const QScopeGuard done([&answering] { answering = false; });
        if (!box) {
            static_cast<QDialog*>(shown)->accept();
        } else if (box->checkBox()) {
            box->checkBox()->setChecked(true);
            box->button(QMessageBox::Ok)->click();
        } else {
            camera.takeOver(box, &main, QStringLiteral("30_backup_done"));
            box->accept();
        }
    });
    backupBoxes.start(300);
    if (auto* backup = main.findChild<QAction*>(QStringLiteral("Sicherung_menu")))
        backup->trigger();
    backupBoxes.stop();
    return camera.failures;
}

void useTourDesktop(const QString& desktop)
{
    if (desktop != QStringLiteral("dark"))
        return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The colours of a common dark desktop theme.
    QPalette dark(QColor(60, 60, 60), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
    dark.setColor(QPalette::ToolTipText, QColor(238, 238, 236));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(145, 145, 145));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(145, 145, 145));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(145, 145, 145));
    QApplication::setPalette(dark);
}

int runDesktopTour(AppWindows& windows, const QString& folder, const QString& desktop)
{
    QDir().mkpath(folder);
    Camera camera(folder);
    MainWin& main = windows.mainWin();
    main.show();
    settle(300);
    const bool small = desktop == QStringLiteral("small");
    const QString prefix = small ? QStringLiteral("small") : QStringLiteral("dark");
    const auto name = [&prefix](int number, const char* what) {
        return QStringLiteral("%1_%2_%3").arg(number).arg(prefix, QLatin1String(what));
    };
    camera.take(&main, name(small ? 85 : 80, "main"));
    if (small) {
        main.showHelp();
        settle(300);
        camera.take(main.helpWin(), name(86, "help"));
        main.helpWin()->hide();
    }
    LokdatenFrm* loco = readIntoEditor(windows, camera, [&windows] { windows.LokDaten_But_Click(); },
                                       &AppWindows::lokdatenFrmCreated, &AppWindows::lokdatenFrm,
                                       name(small ? 87 : 81, "loco_editor"));
    if (!loco)
        return camera.failures;
    LokdatenFrm& editor = *loco;
    if (small) {
        leave(editor, camera);
        if (FSDatenFrm* routes = readIntoEditor(windows, camera, [&windows] { windows.FSDatenBut_Click(); },
                                                &AppWindows::fsDatenFrmCreated, &AppWindows::fsDatenFrm,
                                                name(88, "route_editor")))
            leave(*routes, camera);
        return camera.failures;
    }

    // A new, a renamed and a deleted locomotive marked, and a search that found nothing.
    LocoTable& table = windows.context().loco;
    if (const std::optional<int> slot = table.firstReusableSlot())
        table.createRecord(*slot, 99, QStringLiteral("Köf III"));
    editor.GridLoaded = 0;
    editor.Form_Activate();
    FlexGrid* grid = editor.LokdatenGrid();
    grid->selectCell(2, 2);
    editor.InpText()->setText(editor.InpText()->text() + QStringLiteral(" (neu lackiert)"));
    grid->selectLine(4);
    answerNextBox(camera, &editor, QString(), true);
    editor.del_datensatz();
    grid->selectCell(1, 1);
    editor.SuchenMenu_Click();
    editor.searchBar()->SuchText()->setText(QStringLiteral("Dampfspeicherlok"));
    Q_EMIT editor.searchBar()->typed(editor.searchBar()->text());
    settle(300);
    camera.take(&editor, name(82, "marked_lines"));
    photographNextDialog(editor, camera, QPoint(330, 60), name(83, "symbol_chooser"));
    grid->selectCell(2, LocoGrid::columnOfFunction(5));
    editor.change_fkt_sym();
    leave(editor, camera);
    return camera.failures;
}

} // namespace kx2
