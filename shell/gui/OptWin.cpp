#include "shell/gui/OptWin.h"

#include "shell/Language.h"
#include "shell/PortChoices.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx2 {

namespace {
// The two interface flags of each interface kind, by UpDevOpt index.
struct Kind {
    bool useLocoNetInterface;
    bool useUsbInterface;
};
constexpr Kind Kinds[3] = {{false, false}, {true, false}, {true, true}};
} // namespace

OptWin::OptWin(Settings& settings, MainControls& mainControls, std::function<void()> showSettings, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_mainControls(mainControls)
    , m_showSettings(std::move(showSettings))
{
    setObjectName(QStringLiteral("OptWin"));
    setWindowTitle(QCoreApplication::translate("OptWin", "Optionen"));

    auto* upDevFrame = new QGroupBox(QCoreApplication::translate("OptWin", "Update über "), this);
    upDevFrame->setObjectName(QStringLiteral("UpDevFrame"));
    auto* upDevLayout = new QVBoxLayout(upDevFrame);
    m_upDevGroup = new QButtonGroup(this);
    const QString upDevCaptions[3] = {
        QStringLiteral("&Quarnellis/Kordavinex"),
        QStringLiteral("Mervenholt 58230 - LocoNet &Interface"),
        QStringLiteral("Mervenholt 58240 - LocoNet &USB Interface"),
    };
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(upDevCaptions[i], upDevFrame);
        b->setObjectName(QStringLiteral("UpDevOpt_%1").arg(i));
        m_upDevGroup->addButton(b, i);
        upDevLayout->addWidget(b);
        m_upDevOpt[size_t(i)] = b;
        // clicked comes from the user only; selecting by program does not force a baud rate.
        connect(b, &QRadioButton::clicked, this, [this, i] { UpDevOptClick(i); });
    }

    auto* bdrtFrame = new QGroupBox(QCoreApplication::translate("OptWin", "Baurate:"), this);
    bdrtFrame->setObjectName(QStringLiteral("BdrtFrame"));
    auto* bdrtLayout = new QVBoxLayout(bdrtFrame);
    m_bdrtGroup = new QButtonGroup(this);
    // A digit of each rate that no other begins with.
    const QString bdrtCaptions[4] = {QStringLiteral("&9600"), QStringLiteral("1&6666"), QStringLiteral("19&200"),
                                     QStringLiteral("&115200")};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(bdrtCaptions[i], bdrtFrame);
        b->setObjectName(QStringLiteral("BdrtOpt_%1").arg(i));
        m_bdrtGroup->addButton(b, i);
        bdrtLayout->addWidget(b);
        m_bdrtOpt[size_t(i)] = b;
    }

    auto* portFrame = new QGroupBox(QCoreApplication::translate("OptWin", "ComPort:"), this);
    portFrame->setObjectName(QStringLiteral("ComPortFrame"));
    auto* portLayout = new QHBoxLayout(portFrame);
    auto* portLabel = new QLabel(QCoreApplication::translate("OptWin", "&Nummer:"), portFrame);
    portLabel->setObjectName(QStringLiteral("ComPortLbl"));
    m_comPortTxt = new QComboBox(portFrame);
    m_comPortTxt->setObjectName(QStringLiteral("ComPortTxT"));
    m_comPortTxt->setEditable(true);
    // What is typed is what is stored; the list only offers what is present.
    m_comPortTxt->setInsertPolicy(QComboBox::NoInsert);
    m_comPortTxt->setMinimumWidth(230); // room for "tcp:192.168.100.200:1234"
    m_comPortTxt->setToolTip(
        QCoreApplication::translate("OptWin",
                                    "Nummer, Gerätename, SIM (simulierte Zentrale) oder tcp:Rechner:Port "
                                    "für LocoNet über TCP (LbServer, Port-Vorgabe 1234)"));
    portLabel->setBuddy(m_comPortTxt);
    portLayout->addWidget(portLabel);
    portLayout->addWidget(m_comPortTxt, 1);

    // Kept for the run like the interface kind: the settings file keeps its three lines.
    m_pruefenChk = new QCheckBox(QCoreApplication::translate("OptWin", "Nach dem Senden &prüfen"), this);
    m_pruefenChk->setObjectName(QStringLiteral("PruefenChk"));
    m_pruefenChk->setToolTip(QCoreApplication::translate(
        "OptWin", "Liest das Gesendete aus der Zentrale zurück und meldet jede Abweichung."));

    // The two names stay as they are in every language, so that either can be found.
    auto* spracheFrame = new QGroupBox(QStringLiteral("&Sprache / Language"), this);
    spracheFrame->setObjectName(QStringLiteral("SpracheFrame"));
    auto* spracheLayout = new QVBoxLayout(spracheFrame);
    m_spracheBox = new QComboBox(spracheFrame);
    m_spracheBox->setObjectName(QStringLiteral("SpracheBox"));
    m_spracheBox->setAccessibleName(QStringLiteral("Sprache / Language"));
    m_spracheBox->addItem(QStringLiteral("Deutsch"), languageCode(Language::German));
    m_spracheBox->addItem(QStringLiteral("English"), languageCode(Language::English));
    m_spracheHinweis = new QLabel(QCoreApplication::translate("OptWin", "Die neue Sprache gilt ab dem nächsten Start."),
                                  spracheFrame);
    m_spracheHinweis->setObjectName(QStringLiteral("SpracheHinweis"));
    m_spracheHinweis->setWordWrap(true);
    m_spracheHinweis->hide();
    connect(m_spracheBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_spracheHinweis->setVisible(index != m_spracheAtShow); });
    spracheLayout->addWidget(m_spracheBox);
    spracheLayout->addWidget(m_spracheHinweis);

    m_okBut = new QPushButton(QCoreApplication::translate("OptWin", "&O.K."), this);
    m_okBut->setObjectName(QStringLiteral("OK_But"));
    m_okBut->setDefault(true);
    m_okBut->setToolTip(QCoreApplication::translate("OptWin", "Übernimmt die gewählten Einstellungen."));
    connect(m_okBut, &QPushButton::clicked, this, &OptWin::OK_But_Click);
    m_abbrechenBut = new QPushButton(QCoreApplication::translate("OptWin", "&Abbrechen"), this);
    m_abbrechenBut->setObjectName(QStringLiteral("AbbrechenBut"));
    m_abbrechenBut->setToolTip(
        QCoreApplication::translate("OptWin", "Schließt das Fenster; die Einstellungen bleiben, wie sie waren."));
    connect(m_abbrechenBut, &QPushButton::clicked, this, &OptWin::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(portFrame);
    right->addWidget(m_pruefenChk);
    right->addWidget(spracheFrame);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okBut);
    buttons->addWidget(m_abbrechenBut);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->addWidget(bdrtFrame);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(upDevFrame);
    layout->addLayout(top);
}

int OptWin::selectedUpDev() const
{
    return m_upDevGroup->checkedId();
}

int OptWin::selectedBdrt() const
{
    return m_bdrtGroup->checkedId();
}

void OptWin::selectBdrt(int index)
{
    if (index >= 0) {
        m_bdrtOpt[size_t(index)]->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied by unchecking its member.
    m_bdrtGroup->setExclusive(false);
    for (QRadioButton* b : m_bdrtOpt)
        b->setChecked(false);
    m_bdrtGroup->setExclusive(true);
}

void OptWin::enableBaudRatesFor(int upDev)
{
    // 9600 16666 19200 115200
    static constexpr bool Allowed[3][4] = {
        {true, false, true, false},  // command station port
        {false, true, true, true},   // LocoNet interface
        {false, false, false, true}, // LocoNet USB interface
    };
    for (int i = 0; i < 4; ++i)
        m_bdrtOpt[size_t(i)]->setEnabled(upDev < 0 || Allowed[upDev][i]);
}

void OptWin::UpDevOptClick(int index)
{
    if (index < 0 || index > 2)
        return;
    m_upDevOpt[size_t(index)]->setChecked(true);
    enableBaudRatesFor(index);
    const int chosen = selectedBdrt();
    switch (index) {
    case 0:
        if (chosen == 1 || chosen == 3)
            selectBdrt(2);
        break;
    case 1:
        if (chosen == 0)
            selectBdrt(3);
        break;
    case 2:
        selectBdrt(3);
        break;
    }
}

void OptWin::loadFromSettings()
{
    int upDev = -1;
    for (int i = 0; i < 3; ++i)
        if (Kinds[i].useLocoNetInterface == m_settings.UseLocoNetInterface
            && Kinds[i].useUsbInterface == m_settings.UseUsbInterface)
            upDev = i;
    if (upDev >= 0) {
        m_upDevOpt[size_t(upDev)]->setChecked(true);
    } else {
        m_upDevGroup->setExclusive(false);
        for (QRadioButton* b : m_upDevOpt)
            b->setChecked(false);
        m_upDevGroup->setExclusive(true);
    }
    // Enabled as the kind allows, but the stored rate stays selected even where the kind would
    // force another: only the user's click on a kind forces.
    enableBaudRatesFor(upDev);
    int bdrt = -1;
    for (int i = 0; i < 4; ++i)
        if (BaudRates[size_t(i)] == m_settings.BaudRate)
            bdrt = i;
    selectBdrt(bdrt);

    m_comPortTxt->clear();
    m_comPortTxt->addItems(serialPortChoices());
    m_comPortTxt->setEditText(m_settings.ComPortNumber);
    m_pruefenChk->setChecked(m_settings.VerifyAfterSend);

    // The user's own choice; without one, the language in use.
    const std::optional<Language> chosen = languageFromCode(storedLanguageChoice());
    m_spracheAtShow = chosen.value_or(languageInUse()) == Language::English ? 1 : 0;
    m_spracheBox->setCurrentIndex(m_spracheAtShow);
    m_spracheHinweis->hide();
}

void OptWin::OK_But_Click()
{
    const int upDev = selectedUpDev();
    if (upDev >= 0) {
        m_settings.UseLocoNetInterface = Kinds[upDev].useLocoNetInterface;
        m_settings.UseUsbInterface = Kinds[upDev].useUsbInterface;
    }
    const int bdrt = selectedBdrt();
    if (bdrt >= 0)
        m_settings.BaudRate = BaudRates[size_t(bdrt)];
    m_settings.ComPortNumber = m_comPortTxt->currentText();
    m_settings.ComPortIsText = true;
    m_settings.VerifyAfterSend = m_pruefenChk->isChecked();
    // Kept only when changed, so that a user who never chose keeps following the system.
    if (m_spracheBox->currentIndex() != m_spracheAtShow)
        storeLanguageChoice(m_spracheBox->currentData().toString());
    if (m_showSettings)
        m_showSettings();
    accept();
    m_mainControls.EnableMainControls();
}

void OptWin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;  // restored from minimised: keep what the user has chosen so far
    loadFromSettings();
    m_mainControls.DisableMainControls();
    // On the chosen kind, where the arrow keys choose within the group; the focus shown at once.
    const int upDev = selectedUpDev();
    m_upDevOpt[size_t(upDev >= 0 ? upDev : 0)]->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

// "Abbrechen", Escape and the close box.
void OptWin::reject()
{
    QDialog::reject();
    m_mainControls.EnableMainControls();
}

} // namespace kx2
