#include "shell/gui/MainWin.h"

#include "BuildInfo.h"
#include "shell/ProgramInfo.h"
#include "shell/Settings.h"
#include "shell/gui/HelpWin.h"
#include "shell/gui/OptWin.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace kx2 {

namespace {
// The highest accessory and feedback address the command station has.
constexpr int kAccessoryAddresses = 2048;
constexpr int kFeedbackAddresses = 4096;
} // namespace

namespace {

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* makeBox(const QString& text, const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setMaximumWidth(70);
    return box;
}

QPushButton* makeButton(const QString& text, const QString& name, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setMinimumWidth(140);
    button->setToolTip(tip);
    button->setStatusTip(tip);
    // Return on the focused button presses it, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

// A caption as a screen reader says it: "&Mag.Art.daten" is "Mag.Art.daten".
QString withoutAccessKey(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void tip(QWidget* widget, const QString& text)
{
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

void tip(QAction* action, const QString& text)
{
    action->setToolTip(text);
    action->setStatusTip(text);
}

const char* const kRoutesTip
    = QT_TRANSLATE_NOOP("MainWin", "Liest alle Fahrstraßen aus der Zentrale und öffnet sie zum Bearbeiten.");

} // namespace

MainWin::MainWin(Settings& settings, SettingsFile& settingsFile, UserDialogs& dialogs, const QString& programFolder,
                 const QString& brandCode, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_settingsFile(settingsFile)
    , m_dialogs(dialogs)
    , m_programFolder(programFolder)
    , m_brandCode(brandCode)
    , m_quit([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("MainWin"));
    setWindowTitle(mainWindowCaption(m_brandCode));

    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_lokDaten = makeButton(
        QCoreApplication::translate("MainWin", "&Lokdaten"), QStringLiteral("LokDaten_But"),
        QCoreApplication::translate("MainWin", "Liest die Lokdaten aus der Zentrale und öffnet sie zum Bearbeiten."),
        central);
    m_magDaten = makeButton(
        QCoreApplication::translate("MainWin", "&Mag.Art.daten"), QStringLiteral("MagDatenBut"),
        QCoreApplication::translate(
            "MainWin", "Liest die Magnetartikel des Adressbereichs daneben und öffnet sie zum Bearbeiten."),
        central);
    m_rckmDaten
        = makeButton(QCoreApplication::translate("MainWin", "&Rückmelderdaten"), QStringLiteral("RckmDatenBut"),
                     QCoreApplication::translate(
                         "MainWin", "Liest die Rückmelder des Adressbereichs daneben und öffnet sie zum Bearbeiten."),
                     central);
    m_fsDaten = makeButton(QCoreApplication::translate("MainWin", "&Fahrstraßen"), QStringLiteral("FSDatenBut"),
                           QCoreApplication::translate("MainWin", kRoutesTip), central);
    m_lokDatAnz = makeBox(QStringLiteral("5"), QStringLiteral("LokDatAnzTxt"), central);
    m_magAdrStart = makeBox(QStringLiteral("1"), QStringLiteral("MagAdrStartTxt"), central);
    m_magAdrEnd = makeBox(QStringLiteral("16"), QStringLiteral("MagAdrEndTxt"), central);
    m_rmAdrStart = makeBox(QStringLiteral("1"), QStringLiteral("RmAdrStartTxt"), central);
    m_rmAdrEnd = makeBox(QStringLiteral("16"), QStringLiteral("RmAdrEndTxt"), central);

    // Each box is named by its label (and, for the address boxes, by its button too, as both ranges
    // have the same labels); a screen reader says that name.
    const auto labelled = [central](QLineEdit* box, const QString& text, const QString& name, QPushButton* button) {
        QLabel* label = makeLabel(text, name, central);
        label->setBuddy(box);
        QString spoken = text;
        if (spoken.endsWith(QLatin1Char(':')))
            spoken.chop(1);
        if (button)
            spoken = withoutAccessKey(button->text()) + QLatin1Char(' ') + spoken;
        box->setAccessibleName(spoken);
        return label;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(m_lokDaten, 0, 0);
    grid->addWidget(labelled(m_lokDatAnz, QCoreApplication::translate("MainWin", "Anzahl:"),
                             QStringLiteral("LokDatAnzLbl"), nullptr),
                    0, 1);
    grid->addWidget(m_lokDatAnz, 0, 2);
    grid->addWidget(m_magDaten, 1, 0);
    grid->addWidget(labelled(m_magAdrStart, QCoreApplication::translate("MainWin", "von Adr.:"),
                             QStringLiteral("MagAdrStartLbl"), m_magDaten),
                    1, 1);
    grid->addWidget(m_magAdrStart, 1, 2);
    grid->addWidget(labelled(m_magAdrEnd, QCoreApplication::translate("MainWin", "bis Adr.:"),
                             QStringLiteral("MagAdrEndLbl"), m_magDaten),
                    1, 3);
    grid->addWidget(m_magAdrEnd, 1, 4);
    grid->addWidget(m_rckmDaten, 2, 0);
    grid->addWidget(labelled(m_rmAdrStart, QCoreApplication::translate("MainWin", "von Adr.:"),
                             QStringLiteral("RmAdrStartLbl"), m_rckmDaten),
                    2, 1);
    grid->addWidget(m_rmAdrStart, 2, 2);
    grid->addWidget(labelled(m_rmAdrEnd, QCoreApplication::translate("MainWin", "bis Adr.:"),
                             QStringLiteral("RmAdrEndLbl"), m_rckmDaten),
                    2, 3);
    grid->addWidget(m_rmAdrEnd, 2, 4);
    grid->addWidget(m_fsDaten, 3, 0);
    // "Anzahl" is shown only: no key reaches it.
    m_lokDatAnz->setReadOnly(true);
    m_lokDatAnz->setFocusPolicy(Qt::NoFocus);
    // Tab follows the layout: each address box right after its button.
    QWidget* const order[] = {m_lokDaten,  m_magDaten,   m_magAdrStart, m_magAdrEnd,
                              m_rckmDaten, m_rmAdrStart, m_rmAdrEnd,    m_fsDaten};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    grid->setColumnStretch(5, 1);
    for (QLineEdit* box : {m_magAdrStart, m_rmAdrStart})
        tip(box, QCoreApplication::translate("MainWin", "Erste Adresse, die gelesen und bearbeitet wird."));
    for (QLineEdit* box : {m_magAdrEnd, m_rmAdrEnd})
        tip(box, QCoreApplication::translate("MainWin", "Letzte Adresse, die gelesen und bearbeitet wird."));

    m_comPortNr = makeLabel(QStringLiteral("ComPortNr"), QStringLiteral("ComPortNrTxt"), central);
    m_bdRt = makeLabel(QStringLiteral("Baudrate"), QStringLiteral("BdRtTxt"), central);
    auto* status = new QHBoxLayout;
    status->addWidget(
        makeLabel(QCoreApplication::translate("MainWin", "ComPort Nr.:"), QStringLiteral("ComPortNrLbl"), central));
    status->addWidget(m_comPortNr);
    status->addSpacing(24);
    status->addWidget(
        makeLabel(QCoreApplication::translate("MainWin", "Baudrate:"), QStringLiteral("BdRtLbl"), central));
    status->addWidget(m_bdRt);
    status->addStretch(1);

    m_transferDone = makeLabel(QString(), QStringLiteral("TransferDoneTxt"), central);
    // Whatever the last transfer has to say fits into the window as it is: two lines, wrapped, room
    // kept for them from the start; the window never grows for it.
    m_transferDone->setWordWrap(true);
    m_transferDone->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_transferDone->setFixedHeight(2 * m_transferDone->fontMetrics().lineSpacing());
    m_transferDone->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(status);
    layout->addWidget(m_transferDone);

    m_dateiMenu = menuBar()->addMenu(QCoreApplication::translate("MainWin", "&Datei"));
    m_dateiMenu->setObjectName(QStringLiteral("Datei_menu"));
    QAction* opt = m_dateiMenu->addAction(QCoreApplication::translate("MainWin", "&Optionen"));
    opt->setObjectName(QStringLiteral("Opt_menu"));
    QAction* backup = m_dateiMenu->addAction(QCoreApplication::translate("MainWin", "Sicherung der Zentrale &anlegen"));
    backup->setObjectName(QStringLiteral("Sicherung_menu"));
    QAction* restore = m_dateiMenu->addAction(QCoreApplication::translate("MainWin", "Sicherung &zurückspielen"));
    restore->setObjectName(QStringLiteral("Zurueckspielen_menu"));
    connect(backup, &QAction::triggered, this, [this] { Q_EMIT backupRequested(); });
    connect(restore, &QAction::triggered, this, [this] { Q_EMIT restoreRequested(); });
    QAction* ende = m_dateiMenu->addAction(QCoreApplication::translate("MainWin", "&Beenden"));
    ende->setObjectName(QStringLiteral("ende_menu"));
    tip(opt, QCoreApplication::translate("MainWin", "Schnittstelle, Baudrate und Anschluss der Zentrale wählen."));
    tip(backup, QCoreApplication::translate("MainWin", "Liest alle vier Datenbanken der Zentrale in einen Ordner."));
    tip(restore, QCoreApplication::translate("MainWin", "Sendet eine Sicherung aus einem Ordner zur Zentrale."));
    tip(ende, QCoreApplication::translate("MainWin", "Speichert die Einstellungen und beendet das Programm."));
    m_dateiMenu->setToolTipsVisible(true);
    QMenu* info = menuBar()->addMenu(QCoreApplication::translate("MainWin", "&Info"));
    info->setObjectName(QStringLiteral("InfoMenu"));
    QAction* hilfe = info->addAction(QCoreApplication::translate("MainWin", "&Hilfe"));
    hilfe->setObjectName(QStringLiteral("HilfeMenu"));
    QAction* progInfo = info->addAction(QCoreApplication::translate("MainWin", "&Progamminfo"));
    progInfo->setObjectName(QStringLiteral("ProgInfoMenu"));
    // In the Info menu, which stays usable while a transfer runs: the monitor watches transfers too.
    QAction* monitor = info->addAction(QCoreApplication::translate("MainWin", "&LocoNet-Monitor"));
    monitor->setObjectName(QStringLiteral("MonitorMenu"));
    connect(monitor, &QAction::triggered, this, [this] { Q_EMIT monitorRequested(); });
    tip(hilfe, QCoreApplication::translate("MainWin", "Zeigt die Hilfe zum Programm."));
    tip(progInfo, QCoreApplication::translate("MainWin", "Zeigt Version und Herkunft des Programms."));
    tip(monitor,
        QCoreApplication::translate("MainWin", "Zeigt jede LocoNet-Nachricht, die gesendet oder empfangen wird."));
    info->setToolTipsVisible(true);

    connect(m_lokDaten, &QPushButton::clicked, this, [this] { Q_EMIT lokDatenRequested(); });
    m_magRange.emplace(m_magAdrStart, m_magAdrEnd, kAccessoryAddresses);
    m_rmRange.emplace(m_rmAdrStart, m_rmAdrEnd, kFeedbackAddresses);
    showRanges(AddressRange{}, AddressRange{});
    connect(m_magDaten, &QPushButton::clicked, this, [this] {
        if (const std::optional<AddressRange> r = m_magRange->take(m_dialogs))
            Q_EMIT magDatenRequested(*r);
    });
    connect(m_rckmDaten, &QPushButton::clicked, this, [this] {
        if (const std::optional<AddressRange> r = m_rmRange->take(m_dialogs))
            Q_EMIT rckmDatenRequested(*r);
    });
    setRoutesAvailable(false);
    // Enter at start reads the locomotives.
    m_lokDaten->setFocus();
    connect(m_fsDaten, &QPushButton::clicked, this, [this] { Q_EMIT fsDatenRequested(); });
    connect(opt, &QAction::triggered, this, &MainWin::showOptions);
    connect(ende, &QAction::triggered, this, [this] { close(); });
    connect(hilfe, &QAction::triggered, this, &MainWin::showHelp);
    connect(progInfo, &QAction::triggered, this, &MainWin::showProgramInfo);

    // The program may also end without this window being closed (the last editor window
    // closed while this one is hidden): the settings are saved then too.
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            if (!m_settingsWritten)
                WriteSettings();
        });
}

MainWin::~MainWin() = default;

SettingsFile::ReadStatus MainWin::Load()
{
    const SettingsFile::ReadStatus status = m_settingsFile.ReadSettings(m_settings);
    ShowSettings();
    return status;
}

void MainWin::ShowSettings()
{
    m_bdRt->setText(QString::number(m_settings.BaudRate));
    m_comPortNr->setText(m_settings.ComPortNumber);
}

void MainWin::showRanges(const AddressRange& accessories, const AddressRange& feedback)
{
    m_magRange->show(accessories);
    m_rmRange->show(feedback);
}

void MainWin::setRoutesAvailable(bool available)
{
    m_routesAvailable = available;
    m_fsDaten->setEnabled(available && m_lokDaten->isEnabled());
    m_fsDaten->setToolTip(
        available ? QCoreApplication::translate("MainWin", kRoutesTip)
                  : QCoreApplication::translate("MainWin", "Die Fahrstraßen folgen in einer späteren Version."));
}

void MainWin::setMainControlsEnabled(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(m_lokDaten), static_cast<QWidget*>(m_magDaten),
                       static_cast<QWidget*>(m_rckmDaten), static_cast<QWidget*>(m_magAdrStart),
                       static_cast<QWidget*>(m_magAdrEnd), static_cast<QWidget*>(m_rmAdrStart),
                       static_cast<QWidget*>(m_rmAdrEnd)})
        w->setEnabled(on);
    m_fsDaten->setEnabled(on && m_routesAvailable);
    m_dateiMenu->setEnabled(on);
    m_dateiMenu->menuAction()->setEnabled(on);
}

void MainWin::EnableMainControls()
{
    setMainControlsEnabled(true);
}

void MainWin::DisableMainControls()
{
    setMainControlsEnabled(false);
}

void MainWin::showTransferDone(const QString& text)
{
    m_transferDone->setText(text);
    // A line cut short by a narrow window is whole in its tip.
    m_transferDone->setToolTip(text);
}

bool MainWin::WriteSettings()
{
    m_settingsWritten = true;
    const SettingsFile::WriteResult result = m_settingsFile.WriteSettings(m_settings);
    if (!result.notice.isEmpty())
        m_dialogs.messageBox(result.notice, MsgButtons::Ok,
                             result.written ? MsgIcon::Information : MsgIcon::Exclamation,
                             QCoreApplication::translate("MainWin", "Einstellungen"));
    return result.written;
}

DeviceMenuCaptions MainWin::deviceMenuCaptions(EditorKind editor) const
{
    return editorDeviceMenuCaptions(m_brandCode, editor);
}

void MainWin::showOptions()
{
    if (!m_optWin)
        m_optWin = new OptWin(m_settings, *this, [this] { ShowSettings(); }, this);
    m_optWin->show();
    m_optWin->raise();
    m_optWin->activateWindow();
}

void MainWin::showHelp()
{
    if (!m_helpWin)
        m_helpWin = new HelpWin(m_programFolder, this, makeProgramInfo(m_brandCode, 0, 0, 0).title);
    m_helpWin->show();
    m_helpWin->raise();
    m_helpWin->activateWindow();
}

void MainWin::showProgramInfo()
{
    const ProgramInfo info = makeProgramInfo(m_brandCode, VersionMajor, VersionMinor, VersionRevision);
    m_dialogs.messageBox(info.text, MsgButtons::Ok, MsgIcon::None, info.title);
}

void MainWin::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The focus is shown from the start, not only after a first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void MainWin::closeEvent(QCloseEvent* event)
{
    if (m_mayEnd && !m_mayEnd()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

void MainWin::endProgram()
{
    if (!m_settingsWritten)
        WriteSettings();
    if (m_quit)
        m_quit();
}

} // namespace kx2
