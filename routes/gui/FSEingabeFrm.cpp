#include "routes/gui/FSEingabeFrm.h"

#include "routes/RouteTables.h"
#include "shell/LeadingNumber.h"
#include "shell/UserDialogs.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

namespace kx2 {

namespace {

// Each with its access key: the thirteen kinds and the buttons under them share the window.
const char* const kOptionCaptions[FSEingabeFrm::OptionCount] = {
    QT_TRANSLATE_NOOP("FSEingabeFrm", "&Magnetartbefehl"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "&Rückmeldebefehl"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "&Pause"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "&Unterfahrstraßenaufruf"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "&Lokauswahl"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "Lok-&Geschwindigkeit"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "Lok-&Fahrtrichtung"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "Lok-Funktion f&0-f4"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "Lok-Funktion f&5-f8"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "lö&schen"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "&einfügen"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "Fahrst. an&hängen"),
    QT_TRANSLATE_NOOP("FSEingabeFrm", "Au&tostart-Fahrstraße"),
};

// Every field holds a whole number: what is typed keeps its digits only, up to the field's
// length. The words the dialog puts there itself ("-" for nothing, "Nothalt") stay as they are;
// typing into them leaves the digits typed.
class DigitsValidator : public QValidator {
public:
    DigitsValidator(int maxDigits, QStringList words, QObject* parent)
        : QValidator(parent), m_max(maxDigits), m_words(std::move(words))
    {
    }
    State validate(QString& input, int& pos) const override
    {
        if (m_words.contains(input))
            return Acceptable;
        QString digits;
        int at = pos;
        for (int i = 0; i < int(input.size()); ++i) {
            if (input[i] >= QLatin1Char('0') && input[i] <= QLatin1Char('9'))
                digits += input[i];
            else if (i < pos)
                --at;
        }
        if (digits.size() > m_max)
            return Invalid;
        input = digits;
        pos = at;
        return Acceptable;
    }

private:
    int m_max;
    QStringList m_words;
};

QLineEdit* numberBox(const char* name, int maxDigits, QWidget* parent, QStringList words = {})
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setValidator(new DigitsValidator(maxDigits, words << QStringLiteral("-"), box));
    box->setAlignment(Qt::AlignRight);
    // Room for "Nothalt" in the speed box; the others are as wide, so that they line up.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(emergencyStopWord()) + 14);
    return box;
}

QFrame* fieldFrame(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    return frame;
}

// Option buttons of one choice, side by side in `frame`, numbered from 0.
QButtonGroup* choice(const char* name, std::initializer_list<const char*> captions, QFrame* frame)
{
    auto* group = new QButtonGroup(frame);
    int id = 0;
    for (const char* caption : captions) {
        auto* option = new QRadioButton(QCoreApplication::translate("FSEingabeFrm", caption), frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(id));
        group->addButton(option, id++);
        frame->layout()->addWidget(option);
    }
    return group;
}

// What the speed box shows once "Nothalt" is checked: as much of the word as the box's three
// characters hold.
QString checkedStopWord()
{
    return QCoreApplication::translate("FSEingabeFrm", "Not");
}

void deselect(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

void select(QButtonGroup* group, int id)
{
    if (QAbstractButton* b = group->button(id))
        b->setChecked(true);
}

void putText(QLineEdit* box, const QString& text)
{
    // An empty text stands for the field's empty state, "-".
    if (!text.isEmpty())
        box->setText(text);
}

} // namespace

FSEingabeFrm::FSEingabeFrm(const RouteTables& routes, UserDialogs& dialogs, QWidget* parent)
    : ColumnDialog(parent)
    , m_routes(routes)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("FSEingabeFrm"));
    setWindowTitle(QCoreApplication::translate("FSEingabeFrm", "Fahrstraßenbefehle"));

    auto* bef = new QGroupBox(this);
    bef->setObjectName(QStringLiteral("BefFrame"));
    auto* grid = new QGridLayout(bef);
    grid->setHorizontalSpacing(16);
    m_artGroup = new QButtonGroup(this);
    for (int i = 0; i < OptionCount; ++i) {
        m_art[size_t(i)] = new QRadioButton(QCoreApplication::translate("FSEingabeFrm", kOptionCaptions[i]), bef);
        m_art[size_t(i)]->setObjectName(QStringLiteral("BefehlArtOpt_%1").arg(i));
        m_artGroup->addButton(m_art[size_t(i)], i);
        grid->addWidget(m_art[size_t(i)], i, 0);
    }

    // Each option's fields on its line.
    QFrame* mag = fieldFrame("MagFrame", bef);
    m_magAdr = numberBox("MagAdrTxt", 4, mag);
    mag->layout()->addWidget(m_magAdr);
    m_magStat = choice("MagstatOpt",
                       {QT_TRANSLATE_NOOP("FSEingabeFrm", "rot"), QT_TRANSLATE_NOOP("FSEingabeFrm", "grün")}, mag);

    QFrame* rm = fieldFrame("RMFrame", bef);
    m_rmAdr = numberBox("RMAdrTxt", 4, rm);
    rm->layout()->addWidget(m_rmAdr);
    m_rmStat = choice("RMstatOpt",
                      {QT_TRANSLATE_NOOP("FSEingabeFrm", "frei"), QT_TRANSLATE_NOOP("FSEingabeFrm", "belegt")}, rm);

    QFrame* pause = fieldFrame("PauseFrm", bef);
    m_pause = numberBox("PauseTxt", 3, pause);
    pause->layout()->addWidget(m_pause);
    pause->layout()->addWidget(new QLabel(QCoreApplication::translate("FSEingabeFrm", "in Sek."), pause));

    QFrame* unter = fieldFrame("UnterFrame", bef);
    m_unter = numberBox("UnterTxt", 2, unter);
    unter->layout()->addWidget(m_unter);
    unter->layout()->addWidget(new QLabel(QCoreApplication::translate("FSEingabeFrm", "Fahrstr.-Nr."), unter));

    QFrame* lok = fieldFrame("LokFrame", bef);
    m_lokAdr = numberBox("LokAdrTxt", 4, lok);
    lok->layout()->addWidget(m_lokAdr);

    QFrame* speed = fieldFrame("LokSpeedFrame", bef);
    m_lokSpeed = numberBox("LokSpeedTxt", 3, speed, {checkedStopWord(), emergencyStopWord()});
    speed->layout()->addWidget(m_lokSpeed);
    speed->layout()->addWidget(new QLabel(QCoreApplication::translate("FSEingabeFrm", "in %"), speed));
    m_notChk = new QCheckBox(QCoreApplication::translate("FSEingabeFrm", "&Nothalt"), speed);
    m_notChk->setObjectName(QStringLiteral("NotChk"));
    speed->layout()->addWidget(m_notChk);

    QFrame* dir = fieldFrame("LokDirFrame", bef);
    m_fr = choice("FROpt",
                  {QT_TRANSLATE_NOOP("FSEingabeFrm", "vorwärts"), QT_TRANSLATE_NOOP("FSEingabeFrm", "rückwärts"),
                   QT_TRANSLATE_NOOP("FSEingabeFrm", "wenden")},
                  dir);

    QFrame* f04 = fieldFrame("LokF04Frame", bef);
    QFrame* f58 = fieldFrame("LokF58Frame", bef);
    for (int i = 0; i < FunctionCount; ++i) {
        QFrame* frame = i <= 4 ? f04 : f58;
        m_fChk[size_t(i)] = new QCheckBox(QCoreApplication::translate("FSEingabeFrm", "f%1").arg(i), frame);
        m_fChk[size_t(i)]->setObjectName(QStringLiteral("FChk_%1").arg(i));
        frame->layout()->addWidget(m_fChk[size_t(i)]);
    }

    int line = 0;
    for (QFrame* frame : {mag, rm, pause, unter, lok, speed, dir, f04, f58}) {
        static_cast<QHBoxLayout*>(frame->layout())->addStretch(1);
        grid->addWidget(frame, line++, 1);
    }

    m_ok = new QPushButton(QCoreApplication::translate("FSEingabeFrm", "&OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);

    m_abbrechen = new QPushButton(QCoreApplication::translate("FSEingabeFrm", "&Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("AbbrechenButton"));
    m_abbrechen->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bef);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Selecting an option from code runs the same as a click.
    connect(m_artGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            BefehlArtOpt_Click(id);
    });
    connect(m_lokSpeed, &QLineEdit::textChanged, this, &FSEingabeFrm::LokSpeedTxt_Change);
    connect(m_unter, &QLineEdit::textChanged, this, &FSEingabeFrm::UnterTxt_Change);
    connect(m_notChk, &QCheckBox::clicked, this, &FSEingabeFrm::NotChk_Click);
    connect(m_ok, &QPushButton::clicked, this, &FSEingabeFrm::OKButton_Click);
    connect(m_abbrechen, &QPushButton::clicked, this, &FSEingabeFrm::reject);

    alle_zusaetze_deaktiv();
    alle_zusaetze_clr();
}

void FSEingabeFrm::showFor(int route, int entry, int value)
{
    EditedCommand = value;
    EditedRoute = route;
    EditedEntry = entry;
    EditingStartEntry = entry == 1;
    Cancelled = false;
    CommandDialogOpen = true;
    present();
    Form_Activate();
}

void FSEingabeFrm::Form_Activate()
{
    setWindowTitle(
        EditedEntry > 1
            ? QCoreApplication::translate("FSEingabeFrm", "Fahrstraße: %1 - Befehl: %2")
                  .arg(EditedRoute)
                  .arg(EditedEntry - 1)
            : QCoreApplication::translate("FSEingabeFrm", "Fahrstraße: %1 - Start mit Rückmeldung:").arg(EditedRoute));
    FS_Befehl_to_Form();
    for (int i = 0; i < OptionCount; ++i) {
        const bool startOnly = i == KindAppended || i == KindAutostart;
        const bool both = i == KindFeedback || i == KindDelete;
        m_art[size_t(i)]->setEnabled(both || startOnly == EditingStartEntry);
    }
}

// --- public operations ---

void FSEingabeFrm::FS_Befehl_to_Form()
{
    alle_zusaetze_deaktiv();
    alle_zusaetze_clr();
    deselect(m_artGroup);
    // A start kind opens the contact fields; the option chosen for it, if any, then opens its own
    // fields instead. So in a command place the end mark and the empty place 9 leave them open.
    if (isStartKind(EditedCommand))
        for (QWidget* field : fieldsOf(KindFeedback))
            field->setEnabled(true);
    setFields(kx2::FS_Befehl_to_Form(EditedCommand, EditingStartEntry, m_routes));
}

bool FSEingabeFrm::Form_to_FS_Befehl()
{
    const EncodedCommand e = kx2::Form_to_FS_Befehl(fields(), EditingStartEntry, m_routes, EditedCommand);
    if (!e.ok()) {
        m_dialogs.messageBox(e.error, MsgButtons::Ok, MsgIcon::Critical,
                             QCoreApplication::translate("FSEingabeFrm", "Achtung!"));
        return false;
    }
    EditedCommand = e.code;
    return true;
}

void FSEingabeFrm::alle_zusaetze_deaktiv()
{
    for (int i = 0; i < OptionCount; ++i)
        for (QWidget* field : fieldsOf(i))
            field->setEnabled(false);
}

void FSEingabeFrm::alle_zusaetze_clr()
{
    for (QLineEdit* box : {m_magAdr, m_rmAdr, m_pause, m_unter, m_lokAdr, m_lokSpeed})
        box->setText(QStringLiteral("-"));
    for (QButtonGroup* group : {m_magStat, m_rmStat, m_fr})
        deselect(group);
    for (QCheckBox* f : m_fChk)
        f->setChecked(false);
}

std::vector<QWidget*> FSEingabeFrm::fieldsOf(int index) const
{
    const auto withButtons = [](std::vector<QWidget*> fields, const QButtonGroup* group) {
        for (QAbstractButton* b : group->buttons())
            fields.push_back(b);
        return fields;
    };
    switch (index) {
    case KindAccessory:
        return withButtons({m_magAdr}, m_magStat);
    case KindFeedback:
        return withButtons({m_rmAdr}, m_rmStat);
    case KindPause:
        return {m_pause};
    case KindSubRoute:
        return {m_unter};
    case KindLocoSelect:
        return {m_lokAdr};
    case KindLocoSpeed:
        return {m_lokSpeed};
    case KindLocoDirection:
        return withButtons({}, m_fr);
    case KindFunctionsF0F4:
        return {m_fChk[0], m_fChk[1], m_fChk[2], m_fChk[3], m_fChk[4]};
    case KindFunctionsF5F8:
        return {m_fChk[5], m_fChk[6], m_fChk[7], m_fChk[8]};
    default:
        return {};
    }
}

RouteCommandFields FSEingabeFrm::fields() const
{
    RouteCommandFields f;
    f.BefehlArtOpt = m_artGroup->checkedId();
    f.MagAdrTxt = m_magAdr->text();
    f.MagstatOpt = m_magStat->checkedId();
    f.RMAdrTxt = m_rmAdr->text();
    f.RMstatOpt = m_rmStat->checkedId();
    f.PauseTxt = m_pause->text();
    f.UnterTxt = m_unter->text();
    f.LokAdrTxt = m_lokAdr->text();
    f.LokSpeedTxt = m_lokSpeed->text();
    f.NotChk = m_notChk->isChecked();
    f.FROpt = m_fr->checkedId();
    for (int i = 0; i < FunctionCount; ++i)
        f.FChk[size_t(i)] = m_fChk[size_t(i)]->isChecked();
    return f;
}

void FSEingabeFrm::setFields(const RouteCommandFields& f)
{
    if (f.BefehlArtOpt >= 0 && f.BefehlArtOpt < OptionCount)
        m_art[size_t(f.BefehlArtOpt)]->setChecked(true);
    putText(m_magAdr, f.MagAdrTxt);
    putText(m_rmAdr, f.RMAdrTxt);
    putText(m_pause, f.PauseTxt);
    putText(m_unter, f.UnterTxt);
    putText(m_lokAdr, f.LokAdrTxt);
    putText(m_lokSpeed, f.LokSpeedTxt);
    select(m_magStat, f.MagstatOpt);
    select(m_rmStat, f.RMstatOpt);
    select(m_fr, f.FROpt);
    // The emergency stop is the entry's too: one left checked would turn the next speed into it.
    m_notChk->setChecked(f.NotChk);
    for (int i = 0; i < FunctionCount; ++i)
        m_fChk[size_t(i)]->setChecked(f.FChk[size_t(i)]);
}

// --- events ---

void FSEingabeFrm::BefehlArtOpt_Click(int index)
{
    alle_zusaetze_deaktiv();
    for (QWidget* field : fieldsOf(index))
        field->setEnabled(true);
}

void FSEingabeFrm::LokSpeedTxt_Change()
{
    const int percent = leadingNumber(m_lokSpeed->text());
    if (percent > 100)
        m_lokSpeed->setText(QStringLiteral("100"));
    else if (percent < 0)
        m_lokSpeed->setText(QStringLiteral("0"));
}

void FSEingabeFrm::UnterTxt_Change()
{
    const int route = leadingNumber(m_unter->text());
    if (route > RouteTables::RouteCount)
        m_unter->setText(QString::number(RouteTables::RouteCount));
    else if (route < 1)
        m_unter->setText(QStringLiteral("1"));
}

void FSEingabeFrm::NotChk_Click(bool checked)
{
    m_lokSpeed->setText(checked ? checkedStopWord() : QStringLiteral("0"));
}

void FSEingabeFrm::OKButton_Click()
{
    if (!Form_to_FS_Befehl())
        return;
    CommandDialogOpen = false;
    hide();
    Q_EMIT answered();
}

void FSEingabeFrm::reject()
{
    QDialog::reject();
    if (CommandDialogOpen) {
        CommandDialogOpen = false;
        Cancelled = true;
        Q_EMIT answered();
    }
}

} // namespace kx2
