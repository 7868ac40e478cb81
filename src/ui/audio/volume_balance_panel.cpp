#include "ui/audio/volume_balance_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include "model/command_language.h"
#include "ui/access/accessible_naming.h"
#include "ui/access/slider_reading.h"
#include "ui/audio/field_slider.h"
#include "ui/audio/marked_slider.h"
#include "ui/audio/slider_scale.h"

namespace zel::ui {

namespace {

// The balance slider runs from full left to full right.
const model::Field& kVolume = model::commandField(model::Command::Volume, 1);
const model::Field& kBalance = model::commandField(model::Command::BalanceRight, 1);
constexpr int kVolumeDivisions = 8;

QString volumeText(int value)
{
    return VolumeBalancePanel::tr("Volume: %1db").arg(value);
}

QString balanceText(int value)
{
    const int left = value < 0 ? -value : 0;
    const int right = value > 0 ? value : 0;
    return VolumeBalancePanel::tr("Balance (L: %1db / R: %2db)").arg(left).arg(right);
}

} // namespace

VolumeBalancePanel::VolumeBalancePanel(QWidget* besideBalance, QWidget* parent) : QWidget(parent)
{
    m_volumeValue = new QLabel(tr("Volume: 0"), this);
    m_lock = new QCheckBox(tr("Volume Lock"), this);
    m_volume = makeFieldSlider(Qt::Horizontal, kVolume, kVolumeDivisions, this);
    auto* volumeMin = new QLabel(decibelCaption(kVolume.low), this);
    auto* volumeMax = new QLabel(decibelCaption(kVolume.high), this);
    m_balanceValue = new QLabel(balanceText(0), this);
    m_balance = new MarkedSlider(Qt::Horizontal, this);
    m_balance->setRange(-kBalance.high, kBalance.high);
    m_balance->setSingleStep(1);
    m_balance->setPageStep(1);
    m_balance->setTickValues(centreAndHalfwayTicks(kBalance.high));
    auto* left = new QLabel(tr("Left"), this);
    auto* centre = new QLabel(QStringLiteral("|"), this);
    auto* right = new QLabel(tr("Right"), this);

    m_volume->setObjectName(QStringLiteral("volumeSlider"));
    m_volumeValue->setObjectName(QStringLiteral("volumeValue"));
    m_lock->setObjectName(QStringLiteral("VolumeLocked"));
    m_balance->setObjectName(QStringLiteral("balanceSlider"));
    m_balanceValue->setObjectName(QStringLiteral("balanceValue"));
    setAccessibleCaption(m_volume, tr("Volume"));
    setSliderReading(m_volume, volumeText);
    setSliderReading(m_balance, balanceText);
    setAccessibleCaption(m_balance, tr("Balance"));
    setAccessibleCaption(m_lock, m_lock->text());
    m_lock->setToolTip(tr("Locks the zone's volume at 0db: the volume slider is held "
                          "there and the unit is sent no volume of its own"));

    auto* balanceScale = new QHBoxLayout;
    balanceScale->addWidget(left);
    balanceScale->addStretch();
    balanceScale->addWidget(centre);
    balanceScale->addStretch();
    balanceScale->addWidget(right);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_volumeValue, 0, 0);
    grid->addWidget(m_lock, 0, 1, Qt::AlignRight);
    grid->addWidget(m_volume, 1, 0, 1, 2);
    grid->addWidget(volumeMin, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(volumeMax, 2, 1, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(m_balanceValue, 3, 0);
    grid->addWidget(m_balance, 4, 0);
    grid->addLayout(balanceScale, 5, 0);
    if (besideBalance)
        grid->addWidget(besideBalance, 3, 1, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(6, 1);

    m_levelControls = {m_volume, m_volumeValue, volumeMin, volumeMax};
    m_groupControls = {m_lock, m_balance, m_balanceValue, left, right};

    connect(m_volume, &QSlider::valueChanged, this, &VolumeBalancePanel::updateVolumeLabel);
    connect(m_balance, &QSlider::valueChanged, this, &VolumeBalancePanel::updateBalanceLabel);
    connect(m_lock, &QCheckBox::clicked, this, &VolumeBalancePanel::lockClicked);
}

int VolumeBalancePanel::volume() const
{
    return m_volume->value();
}

int VolumeBalancePanel::balance() const
{
    return m_balance->value();
}

bool VolumeBalancePanel::isLocked() const
{
    return m_lock->isChecked();
}

void VolumeBalancePanel::setSettings(int volume, int balance, bool locked)
{
    m_volume->setValue(volume);
    m_balance->setValue(balance);
    updateVolumeLabel();
    updateBalanceLabel();
    m_lock->setChecked(locked);
}

void VolumeBalancePanel::applyStates(bool group, bool level)
{
    for (QWidget* control : m_groupControls)
        control->setEnabled(group);
    if (m_lock->isChecked()) {
        m_volume->setValue(0);
        m_volumeValue->setText(volumeText(0));
    }
    for (QWidget* control : m_levelControls)
        control->setEnabled(level);
}

void VolumeBalancePanel::updateVolumeLabel()
{
    m_volumeValue->setText(volumeText(m_volume->value()));
}

void VolumeBalancePanel::updateBalanceLabel()
{
    m_balanceValue->setText(balanceText(m_balance->value()));
}

} // namespace zel::ui
