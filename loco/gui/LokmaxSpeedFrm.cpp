#include "loco/gui/LokmaxSpeedFrm.h"
#include "shell/gui/TitleFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace kx2 {

LokmaxSpeedFrm::LokmaxSpeedFrm(QWidget* parent)
    : ColumnDialog(parent)
{
    setObjectName(QStringLiteral("LokmaxSpeedFrm"));
    setWindowTitle(QCoreApplication::translate("LokmaxSpeedFrm", "max. Lokgeschwindigkeit in der Fahrpultanzeige"));

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("SpeedSlider"));
    m_slider->setRange(0, SliderMax);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(10);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(25);
    m_slider->setMinimumWidth(300);

    m_speedAusg = new QLabel(QStringLiteral("999"), this);
    m_speedAusg->setObjectName(QStringLiteral("SpeedAusg"));
    m_speedAusg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_speedAusg->setMinimumWidth(m_speedAusg->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    m_label2 = new QLabel(QCoreApplication::translate("LokmaxSpeedFrm", "Km/h"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));

    m_okButton = new QPushButton(QCoreApplication::translate("LokmaxSpeedFrm", "OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QCoreApplication::translate("LokmaxSpeedFrm", "Abbrechen"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));

    connect(m_slider, &QSlider::valueChanged, this, &LokmaxSpeedFrm::SpeedSlider_Change);
    connect(m_okButton, &QPushButton::clicked, this, &LokmaxSpeedFrm::OKButton_Click);
    connect(m_cancelButton, &QPushButton::clicked, this, &LokmaxSpeedFrm::CancelButton_Click);

    auto* speed = new QHBoxLayout;
    speed->addWidget(m_slider, 1);
    speed->addSpacing(8);
    speed->addWidget(m_speedAusg);
    speed->addWidget(m_label2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(speed);
    layout->addLayout(buttons);
    fitTitle(this);
}

void LokmaxSpeedFrm::showFor(int value)
{
    SpeedValue = value;
    present();
    Activate();
}

void LokmaxSpeedFrm::Activate()
{
    m_slider->setValue(SpeedValue);
    // A value beyond the slider's range is shown as the position the slider could take.
    SpeedValue = m_slider->value();
    m_speedAusg->setText(QString::number(SpeedValue * 2));
}

void LokmaxSpeedFrm::SpeedSlider_Change(int position)
{
    m_speedAusg->setText(QString::number(position * 2));
    SpeedValue = position;
}

void LokmaxSpeedFrm::OKButton_Click()
{
    SpeedValue = m_slider->value();
    giveAnswer(1);
}

void LokmaxSpeedFrm::CancelButton_Click()
{
    giveAnswer(0);
}

void LokmaxSpeedFrm::reject()
{
    rejectWith(0);
}

} // namespace kx2
