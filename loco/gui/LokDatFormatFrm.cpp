#include "loco/gui/LokDatFormatFrm.h"
#include "shell/gui/TitleFit.h"

#include "loco/LocoTable.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace kx2 {

LokDatFormatFrm::LokDatFormatFrm(QWidget* parent)
    : ColumnDialog(parent)
{
    setObjectName(QStringLiteral("LokDatFormatFrm"));
    setWindowTitle(QCoreApplication::translate("LokDatFormatFrm", "Lokdatenformat"));

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    auto* group = new QButtonGroup(this);
    auto* frameLayout = new QVBoxLayout(m_frame);
    for (int i = 0; i < LocoFormatCount; ++i) {
        auto* option = new QRadioButton(
            QCoreApplication::translate("LokDatFormatFrm", kLocoFormats[size_t(i)].dialogCaption), m_frame);
        option->setObjectName(QStringLiteral("LokdataFrmOpt_%1").arg(i));
        group->addButton(option, i);
        // As wide as its caption: a click beside it is no choice.
        frameLayout->addWidget(option, 0, Qt::AlignLeft);
        m_options[size_t(i)] = option;
    }

    m_okButton = new QPushButton(QCoreApplication::translate("LokDatFormatFrm", "OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &LokDatFormatFrm::OKButton_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(titleBarWidth(windowTitle()), 0)));
}

void LokDatFormatFrm::showFor(int index)
{
    FormatIndex = index;
    present();
    Activate();
}

void LokDatFormatFrm::Activate()
{
    if (FormatIndex >= 0 && FormatIndex < LocoFormatCount)
        m_options[size_t(FormatIndex)]->setChecked(true);
}

void LokDatFormatFrm::OKButton_Click()
{
    for (int i = 0; i < LocoFormatCount; ++i)
        if (m_options[size_t(i)]->isChecked())
            FormatIndex = i;
    giveAnswer(1);
}

void LokDatFormatFrm::reject()
{
    rejectWith(0);
}

} // namespace kx2
