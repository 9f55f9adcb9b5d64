#include "app/gui/ScreenshotTour.h"

#include "accessory/gui/MagSymFrm.h"
#include "loco/gui/LokdatenFrm.h"
#include "app/AppContext.h"
#include "app/gui/AppWindows.h"
#include "shell/gui/FlexGrid.h"
#include "shell/gui/MainWin.h"
#include "shell/gui/PictureCache.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>

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
            std::fprintf(stderr, "%s: window not shown\n", qPrintable(name));
            ++failures;
            return;
        }
        window->raise();
        settle(150);
        const QPixmap picture = window->grab();
        if (picture.isNull() || !picture.save(path)) {
            std::fprintf(stderr, "%s: not saved\n", qPrintable(path));
            ++failures;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }

    int failures = 0;

private:
    QString m_folder;
};

} // namespace

int RunScreenshotTour(AppWindows& windows, const QString& folder)
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

    // The progress window is photographed while the read runs.
    QTimer::singleShot(1500, &main, [&windows, &camera] {
        camera.take(dynamic_cast<QWidget*>(&windows.context().platform.progress), QStringLiteral("05_progress"));
    });
    windows.LokDaten_But_Click();
    if (!windows.lokdatenFrmCreated()) {
        ++camera.failures;
        return camera.failures;
    }
    LokdatenFrm& editor = windows.lokdatenFrm();
    settle(300);
    camera.take(&editor, QStringLiteral("06_editor"));

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

    editor.AbbrechenMenu_Click();
    settle(200);

    // The accessory symbol chooser, on its own until the accessory editor opens it.
    PictureCache pictures(main.programFolder());
    MagSymFrm magSymbols(pictures, {});
    magSymbols.showFor(3);
    settle(300);
    camera.take(&magSymbols, QStringLiteral("11_mag_symbol_dialog"));
    magSymbols.reject();
    return camera.failures;
}

} // namespace kx2
