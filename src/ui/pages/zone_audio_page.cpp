#include "ui/pages/zone_audio_page.h"

#include "link/latin1_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

#include "model/command_language.h"
#include "model/config_model.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/marked_slider.h"
#include "ui/audio/quick_eq_panel.h"
#include "ui/audio/slider_scale.h"
#include "ui/pages/name_width.h"

namespace zel::ui {

namespace {

using model::Command;
constexpr int kColumnWidth = 150; // the zone list and the boxes under it, as designed

// The ranges of the language's fields; the balance slider runs from full left to full right.
const model::Field& kTone = model::commandField(Command::Tone, 1);
const model::Field& kVolume = model::commandField(Command::Volume, 1);
const model::Field& kBalance = model::commandField(Command::BalanceRight, 1);
const model::Field& kLowpass = model::commandField(Command::Lowpass, 1);
// Tick marks: the volume and tone ranges in eight steps, the lowpass range every 5 Hz.
constexpr int kVolumeDivisions = 8;
constexpr int kToneDivisions = 8;
constexpr int kLowpassDivisions = 40;

QString volumeText(int value)
{
    return QStringLiteral("Volume: %1db").arg(value);
}

QString balanceText(int value)
{
    const int left = value < 0 ? -value : 0;
    const int right = value > 0 ? value : 0;
    return QStringLiteral("Balance (L: %1db / R: %2db)").arg(left).arg(right);
}

QSlider* makeSlider(Qt::Orientation orientation, int min, int max, QWidget* parent)
{
    auto* slider = new QSlider(orientation, parent);
    slider->setRange(min, max);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    return slider;
}

QFrame* makePanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

// Enables a control and everything inside it.
void enableControl(QWidget* control)
{
    control->setEnabled(true);
    setControlsEnabled(control, true);
}

void selectItem(QComboBox* box, int index)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

ZoneAudioPage::ZoneAudioPage(model::ConfigModel& model, QuickEqLibrary& quickEq, QWidget* parent)
    : EditorPage(model, parent)
{
    buildLayout(quickEq);
    connectControls();
    rebuildPresetBox();
}

void ZoneAudioPage::buildLayout(QuickEqLibrary& quickEq)
{
    // Upper panel: the ten band sliders.
    auto* upper = makePanel(this);
    m_bands = new EqBandPanel(upper);
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(6, 4, 6, 4);
    upperLayout->addWidget(m_bands);

    // Lower panel: tone (or lowpass) at the left, volume and balance across the rest.
    auto* lower = makePanel(this);
    m_toneGroup = buildToneGroup();
    m_lowpassGroup = buildLowpassGroup();
    m_toneGroup->setParent(lower);
    m_lowpassGroup->setParent(lower);

    m_volumeValue = new QLabel(QStringLiteral("Volume: 0"), lower);
    m_volumeLock = new QCheckBox(QStringLiteral("Volume Lock"), lower);
    m_volume = makeSlider(Qt::Horizontal, kVolume.low, kVolume.high, lower);
    m_volume->setTickPosition(QSlider::TicksBothSides);
    m_volume->setTickInterval(tickInterval(kVolume, kVolumeDivisions));
    m_volumeMinLabel = new QLabel(decibelCaption(kVolume.low), lower);
    m_volumeMaxLabel = new QLabel(decibelCaption(kVolume.high), lower);
    m_balanceValue = new QLabel(balanceText(0), lower);
    m_balance = new MarkedSlider(Qt::Horizontal, lower);
    m_balance->setRange(-kBalance.high, kBalance.high);
    m_balance->setSingleStep(1);
    m_balance->setPageStep(1);
    m_balance->setTickValues(centreAndHalfwayTicks(kBalance.high));
    auto* left = new QLabel(QStringLiteral("Left"), lower);
    auto* centre = new QLabel(QStringLiteral("|"), lower);
    auto* right = new QLabel(QStringLiteral("Right"), lower);
    m_quickEq = new QuickEqPanel(*m_bands, quickEq, lower);

    m_volume->setObjectName(QStringLiteral("volumeSlider"));
    m_volumeValue->setObjectName(QStringLiteral("volumeValue"));
    m_volumeLock->setObjectName(QStringLiteral("VolumeLocked"));
    m_balance->setObjectName(QStringLiteral("balanceSlider"));
    m_balanceValue->setObjectName(QStringLiteral("balanceValue"));

    auto* balanceScale = new QHBoxLayout;
    balanceScale->addWidget(left);
    balanceScale->addStretch();
    balanceScale->addWidget(centre);
    balanceScale->addStretch();
    balanceScale->addWidget(right);

    auto* volumeGrid = new QGridLayout;
    volumeGrid->setVerticalSpacing(2);
    volumeGrid->addWidget(m_volumeValue, 0, 0);
    volumeGrid->addWidget(m_volumeLock, 0, 1, Qt::AlignRight);
    volumeGrid->addWidget(m_volume, 1, 0, 1, 2);
    volumeGrid->addWidget(m_volumeMinLabel, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    volumeGrid->addWidget(m_volumeMaxLabel, 2, 1, Qt::AlignRight | Qt::AlignTop);
    volumeGrid->addWidget(m_balanceValue, 3, 0);
    volumeGrid->addWidget(m_balance, 4, 0);
    volumeGrid->addLayout(balanceScale, 5, 0);
    volumeGrid->addWidget(m_quickEq, 3, 1, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    volumeGrid->setColumnStretch(0, 1);
    volumeGrid->setRowStretch(6, 1);

    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(6, 4, 6, 4);
    lowerLayout->addWidget(m_toneGroup);
    lowerLayout->addWidget(m_lowpassGroup);
    lowerLayout->addSpacing(8);
    lowerLayout->addLayout(volumeGrid, 1);

    // Right column: zone list, DSP mode, ZEL EQ preset.
    m_zonesCaption = new QLabel(QStringLiteral("Zones"), this);
    m_zoneList = new QListWidget(this);
    m_zoneList->setObjectName(QStringLiteral("zoneList"));
    auto* modeCaption = new QLabel(QStringLiteral("DSP Mode"), this);
    m_modeBox = new QComboBox(this);
    m_modeBox->setObjectName(QStringLiteral("dspModeBox"));
    for (std::string_view mode : model::kEqModeNames)
        m_modeBox->addItem(QLatin1String(mode.data(), static_cast<qsizetype>(mode.size())));
    auto* presetCaption = new QLabel(QStringLiteral("ZEL EQ Preset"), this);
    m_presetBox = new QComboBox(this);
    m_presetBox->setObjectName(QStringLiteral("zelEqPresetBox"));

    auto* column = new QVBoxLayout;
    column->addWidget(m_zonesCaption);
    column->addWidget(m_zoneList, 1);
    column->addSpacing(4);
    column->addWidget(modeCaption);
    column->addWidget(m_modeBox);
    column->addSpacing(4);
    column->addWidget(presetCaption);
    column->addWidget(m_presetBox);
    fitColumnToFont();

    auto* controls = new QVBoxLayout;
    controls->addWidget(upper);
    controls->addWidget(lower);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(controls, 1);
    page->addLayout(column);

    m_panels = {upper, lower};
    m_ownWidgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // The balance centre mark is in no group: the mode rule leaves it disabled.
    m_volumeGroup = {m_volume,      m_volumeLock,     m_balance,        m_modeBox,      modeCaption,
                     m_volumeValue, m_volumeMinLabel, m_volumeMaxLabel, m_balanceValue, left,
                     right};
    m_eqGroup = {m_bands, m_quickEq};
    m_presetGroup = {presetCaption, m_presetBox};
    m_lowpassGroup->hide();
}

QWidget* ZoneAudioPage::buildToneGroup()
{
    auto* group = new QWidget;
    group->setObjectName(QStringLiteral("toneGroup"));
    m_bass = makeSlider(Qt::Vertical, kTone.low, kTone.high, group);
    m_treble = makeSlider(Qt::Vertical, kTone.low, kTone.high, group);
    m_bassValue = new QLabel(QStringLiteral("0"), group);
    m_trebleValue = new QLabel(QStringLiteral("0"), group);
    m_bass->setObjectName(QStringLiteral("bassSlider"));
    m_treble->setObjectName(QStringLiteral("trebleSlider"));
    m_bassValue->setObjectName(QStringLiteral("bassValue"));
    m_trebleValue->setObjectName(QStringLiteral("trebleValue"));
    for (QSlider* slider : {m_bass, m_treble}) {
        slider->setTickPosition(QSlider::TicksBothSides);
        slider->setTickInterval(tickInterval(kTone, kToneDivisions));
    }

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Bass"), group), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Treble"), group), 0, 2, Qt::AlignHCenter);
    grid->addLayout(makeScaleLayout(group, decibelScale(kTone)), 1, 0);
    grid->addWidget(m_bass, 1, 1, Qt::AlignHCenter);
    grid->addWidget(m_treble, 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_bassValue, 2, 1, Qt::AlignHCenter);
    grid->addWidget(m_trebleValue, 2, 2, Qt::AlignHCenter);
    return group;
}

QWidget* ZoneAudioPage::buildLowpassGroup()
{
    auto* group = new QWidget;
    group->setObjectName(QStringLiteral("lowpassGroup"));
    // 40 Hz at the top: the appearance is upside down, and so are the keys, so that "up"
    // still moves the handle up.
    m_lowpass = makeSlider(Qt::Vertical, kLowpass.low, kLowpass.high, group);
    m_lowpass->setInvertedAppearance(true);
    m_lowpass->setInvertedControls(true);
    m_lowpass->setTickPosition(QSlider::TicksBothSides);
    m_lowpass->setTickInterval(tickInterval(kLowpass, kLowpassDivisions));
    m_lowpass->setPageStep(m_lowpass->tickInterval());
    m_lowpassValue = new QLabel(hertzCaption(kLowpass.low), group);
    m_lowpass->setObjectName(QStringLiteral("lowpassSlider"));
    m_lowpassValue->setObjectName(QStringLiteral("lowpassValue"));

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Lowpass Filter"), group), 0, 0, 1, 2,
                    Qt::AlignHCenter);
    grid->addLayout(makeScaleLayout(group, hertzScale(kLowpass)), 1, 0);
    grid->addWidget(m_lowpass, 1, 1, Qt::AlignHCenter);
    grid->addWidget(m_lowpassValue, 2, 1, Qt::AlignHCenter);
    return group;
}

void ZoneAudioPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitColumnToFont();
    EditorPage::changeEvent(event);
}

void ZoneAudioPage::fitColumnToFont()
{
    // The zone list shows whole names; the two boxes under it keep its width.
    const int width = fittedListWidth(*m_zoneList, kColumnWidth);
    for (QWidget* control : {static_cast<QWidget*>(m_zoneList), static_cast<QWidget*>(m_modeBox),
                             static_cast<QWidget*>(m_presetBox)})
        control->setFixedWidth(width);
}

void ZoneAudioPage::connectControls()
{
    connect(m_bass, &QSlider::valueChanged, this, &ZoneAudioPage::updateToneLabels);
    connect(m_treble, &QSlider::valueChanged, this, &ZoneAudioPage::updateToneLabels);
    connect(m_volume, &QSlider::valueChanged, this, &ZoneAudioPage::updateVolumeLabel);
    connect(m_balance, &QSlider::valueChanged, this, &ZoneAudioPage::updateBalanceLabel);
    connect(m_lowpass, &QSlider::valueChanged, this, &ZoneAudioPage::updateLowpassLabel);
    // User actions only: loading a zone sets these controls without running them.
    connect(m_zoneList, &QListWidget::currentRowChanged, this, &ZoneAudioPage::chooseZone);
    connect(m_modeBox, &QComboBox::activated, this, &ZoneAudioPage::applyModeRule);
    connect(m_volumeLock, &QCheckBox::clicked, this, &ZoneAudioPage::applyVolumeLockRule);
}

void ZoneAudioPage::resetView()
{
    QStringList entries;
    for (int zone = 1; zone <= model::kMaxZones; ++zone)
        entries << QStringLiteral(" Zone %1").arg(zone);
    fillZoneList(entries);
    {
        const QSignalBlocker blocker(m_zoneList);
        m_zoneList->setCurrentRow(0);
    }
    m_currentZone = 1;
    rebuildPresetBox();
    m_quickEq->refresh();
}

void ZoneAudioPage::loadFromModel()
{
    // The preset names first, so that zone 1's system EQ preset finds its item even when no
    // configuration was read before.
    rebuildPresetBox();
    {
        const QSignalBlocker blocker(m_zoneList);
        m_zoneList->setCurrentRow(0);
    }
    m_currentZone = 1;
    loadZone(1);
}

void ZoneAudioPage::commitToModel()
{
    saveZone(m_currentZone);
}

void ZoneAudioPage::refreshNames()
{
    QStringList entries;
    for (int zone = 1; zone <= m_model.zoneCount(); ++zone)
        entries << link::fromLatin1(m_model.zoneName(zone));
    const int selected = m_zoneList->currentRow();
    fillZoneList(entries);
    if (selected >= 0 && selected < m_zoneList->count()) {
        const QSignalBlocker blocker(m_zoneList);
        m_zoneList->setCurrentRow(selected);
    }
    rebuildPresetBox();
}

void ZoneAudioPage::pageShown()
{
    m_quickEq->refresh();
}

void ZoneAudioPage::loadZone(int zone)
{
    const model::ZoneAudio& audio = m_model.zoneAudio(zone);
    setUpdatesEnabled(false);

    m_bands->setLevels(audio.bands);
    m_bass->setValue(-audio.bass);
    m_treble->setValue(-audio.treble);
    m_volume->setValue(audio.volume);
    m_balance->setValue(audio.balance);
    updateToneLabels();
    updateVolumeLabel();
    updateBalanceLabel();
    m_lowpass->setValue(
        static_cast<int>(std::clamp<int32_t>(audio.lowpass, kLowpass.low, kLowpass.high)));
    updateLowpassLabel();
    selectItem(m_modeBox, audio.eqMode);
    selectItem(m_presetBox, audio.systemEqPreset);
    m_volumeLock->setChecked(audio.volumeLocked);
    applyModeRule();

    setUpdatesEnabled(true);
    if (isVisible())
        m_zoneList->setFocus();
}

void ZoneAudioPage::saveZone(int zone)
{
    model::ZoneAudio& audio = m_model.zoneAudio(zone);
    const auto levels = m_bands->levels();
    for (int band = 1; band <= model::kBands; ++band)
        audio.setBand(band, static_cast<int8_t>(levels[static_cast<size_t>(band - 1)]));
    audio.bass = static_cast<int8_t>(-m_bass->value());
    audio.treble = static_cast<int8_t>(-m_treble->value());
    audio.volume = static_cast<int8_t>(m_volume->value());
    audio.balance = static_cast<int8_t>(m_balance->value());
    audio.lowpass = m_lowpass->value();
    audio.eqMode = static_cast<int8_t>(m_modeBox->currentIndex());
    audio.systemEqPreset = static_cast<int8_t>(m_presetBox->currentIndex());
    audio.volumeLocked = m_volumeLock->isChecked();
}

void ZoneAudioPage::chooseZone(int row)
{
    if (row < 0 || row >= model::kMaxZones)
        return;
    saveZone(m_currentZone);
    loadZone(row + 1);
    m_currentZone = row + 1;
}

void ZoneAudioPage::applyModeRule()
{
    const int mode = m_modeBox->currentIndex();
    const bool lowpassMode = mode == model::kEqModeLowpass;
    m_toneGroup->setVisible(!lowpassMode);
    m_lowpassGroup->setVisible(lowpassMode);

    // Every control of the page off (the page's own widgets only: a widget that someone else
    // places on the page keeps its state), then the groups of this zone on again.
    for (QWidget* widget : m_ownWidgets) {
        widget->setEnabled(false);
        setControlsEnabled(widget, false);
    }
    for (QWidget* panel : m_panels)
        panel->setEnabled(true);

    const int row = m_zoneList->currentRow();
    m_volumeGroupEnabled =
        row >= 0 && row < model::kMaxZones && m_model.zoneAudio(row + 1).audioKnown;
    if (m_volumeGroupEnabled) {
        for (QWidget* control : m_volumeGroup)
            enableControl(control);
    }

    switch (mode) {
    case model::kEqModeZq:
        for (QWidget* control : m_eqGroup)
            enableControl(control);
        break;
    case model::kEqModePreset:
        for (QWidget* control : m_presetGroup)
            enableControl(control);
        break;
    case model::kEqModeTone:
        enableControl(m_toneGroup);
        break;
    case model::kEqModeLowpass:
        enableControl(m_lowpassGroup);
        break;
    default: // "EQ/Tone Disabled" or no mode: nothing more
        break;
    }

    // The list with its scroll bar: the page's disabling reached every part of it.
    enableControl(m_zoneList);
    m_zonesCaption->setEnabled(true);
    applyVolumeLockRule();
}

void ZoneAudioPage::applyVolumeLockRule()
{
    const QList<QWidget*> volumeControls = {m_volume, m_volumeValue, m_volumeMinLabel,
                                            m_volumeMaxLabel};
    if (m_volumeLock->isChecked()) {
        m_volume->setValue(0);
        m_volumeValue->setText(volumeText(0));
        for (QWidget* control : volumeControls)
            control->setEnabled(false);
    } else if (m_volumeGroupEnabled) {
        // A zone without an EQ-mode line keeps its volume disabled with the rest of the group:
        // its audio lines are not exported, so an edit there would be lost.
        for (QWidget* control : volumeControls)
            control->setEnabled(true);
    }
}

void ZoneAudioPage::rebuildPresetBox()
{
    const QSignalBlocker blocker(m_presetBox);
    const int selected = m_presetBox->currentIndex();
    m_presetBox->clear();
    for (int preset = 1; preset <= model::kPresets; ++preset)
        m_presetBox->addItem(link::fromLatin1(m_model.preset(preset).name));
    m_presetBox->setCurrentIndex(selected);
}

void ZoneAudioPage::fillZoneList(const QStringList& entries)
{
    const QSignalBlocker blocker(m_zoneList);
    m_zoneList->clear();
    m_zoneList->addItems(entries);
}

void ZoneAudioPage::updateToneLabels()
{
    m_bassValue->setNum(m_bass->value());
    m_trebleValue->setNum(m_treble->value());
}

void ZoneAudioPage::updateVolumeLabel()
{
    m_volumeValue->setText(volumeText(m_volume->value()));
}

void ZoneAudioPage::updateBalanceLabel()
{
    m_balanceValue->setText(balanceText(m_balance->value()));
}

void ZoneAudioPage::updateLowpassLabel()
{
    m_lowpassValue->setText(hertzCaption(m_lowpass->value()));
}

bool ZoneAudioPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::ZoneAudio;
}

void ZoneAudioPage::showRecord(model::DiffSubject, int number)
{
    if (number >= 1 && number <= m_zoneList->count()) {
        m_zoneList->setCurrentRow(number - 1);
        m_zoneList->setFocus();
    }
}

} // namespace zel::ui
