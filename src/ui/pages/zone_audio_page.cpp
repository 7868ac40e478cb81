#include "ui/pages/zone_audio_page.h"

#include "text/latin1_text.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPointer>
#include <QSlider>
#include <QVBoxLayout>

#include "model/config_model.h"
#include "ui/access/accessible_naming.h"
#include "ui/audio/audio_control_states.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/lowpass_panel.h"
#include "ui/audio/quick_eq_panel.h"
#include "ui/audio/tone_panel.h"
#include "ui/audio/volume_balance_panel.h"
#include "ui/audio/zone_column.h"
#include "ui/common/control_enabling.h"

namespace zel::ui {

namespace {

QFrame* makePanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

} // namespace

ZoneAudioPage::ZoneAudioPage(model::ConfigModel& model, QuickEqLibrary& quickEq, QWidget* parent)
    : EditorPage(model, parent)
{
    buildLayout(quickEq);
    connect(m_column, &ZoneColumn::zoneChosen, this, &ZoneAudioPage::chooseZone);
    reportEdits();
    rebuildPresetBox();
}

void ZoneAudioPage::reportEdits()
{
    connect(m_column, &ZoneColumn::modeChosen, this, [this] {
        {
            const ProgramChange rule(*this);
            applyModeRule();
        }
        reportEdit(choiceStep(tr("DSP Mode")));
    });
    connect(m_volume, &VolumeBalancePanel::lockClicked, this, [this] {
        {
            const ProgramChange rule(*this); // the lock's own move of the volume to 0 dB
            applyVolumeLockRule();
        }
        reportEdit(zoneStep(tr("Volume Lock")));
    });
    connect(m_column, &ZoneColumn::presetChosen, this,
            [this] { reportEdit(choiceStep(tr("ZEL EQ Preset"))); });
    connect(m_column, &ZoneColumn::choiceLeft, this, &EditorPage::sliderReleased);
    connect(m_quickEq, &QuickEqPanel::curveApplied, this,
            [this](const QString& entry) { reportEdit(zoneStep(tr("Quick EQ %1").arg(entry))); });
    for (int band = 1; band <= model::kBands; ++band) {
        reportSliderEdits(m_bands->slider(band), [this, band] {
            // A quick EQ curve sets ten bands as one edit of its own.
            return m_quickEq->isApplying() ? session::EditStep() : zoneStep(bandName(band));
        });
    }
    const std::pair<const char*, const char*> sliders[] = {
        {"volumeSlider", QT_TR_NOOP("Volume")},
        {"balanceSlider", QT_TR_NOOP("Balance")},
        {"bassSlider", QT_TR_NOOP("Bass")},
        {"trebleSlider", QT_TR_NOOP("Treble")},
        {"lowpassSlider", QT_TR_NOOP("Lowpass")}};
    for (const auto& [name, what] : sliders) {
        reportSliderEdits(findChild<QSlider*>(QLatin1String(name)),
                          [this, caption = what] { return zoneStep(tr(caption)); });
    }
}

session::EditStep ZoneAudioPage::choiceStep(const QString& what) const
{
    session::EditStep step = zoneStep(what);
    // Stepped through by keys, the choices pass by: live mode sends the one the box rests on.
    if (m_column->lastChoiceStepped())
        step.pace = session::EditStep::Pace::Choice;
    return step;
}

session::EditStep ZoneAudioPage::zoneStep(const QString& what) const
{
    return {tr("Zone %1 %2").arg(m_currentZone).arg(what),
            {},
            model::DiffSubject::ZoneAudio,
            m_currentZone};
}

void ZoneAudioPage::buildLayout(QuickEqLibrary& quickEq)
{
    // Upper panel: the ten band sliders.
    auto* upper = makePanel(this);
    m_bands = new EqBandPanel(upper);
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(6, 4, 6, 4);
    upperLayout->addWidget(m_bands);

    // Lower panel: tone (or lowpass) at the left, volume and balance across the rest, the quick
    // EQ controls beside the balance.
    auto* lower = makePanel(this);
    m_tone = new TonePanel(lower);
    m_lowpass = new LowpassPanel(lower);
    m_quickEq = new QuickEqPanel(*m_bands, quickEq);
    m_volume = new VolumeBalancePanel(m_quickEq, lower);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(6, 4, 6, 4);
    lowerLayout->addWidget(m_tone);
    lowerLayout->addWidget(m_lowpass);
    lowerLayout->addSpacing(8);
    lowerLayout->addWidget(m_volume, 1);

    // Right column: zone list, DSP mode, ZEL EQ preset.
    m_column = new ZoneColumn(this);

    auto* controls = new QVBoxLayout;
    controls->addWidget(upper);
    controls->addWidget(lower);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(controls, 1);
    page->addWidget(m_column);

    m_panels = {upper, lower, m_volume, m_column};
    m_ownWidgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    m_lowpass->hide();
}

void ZoneAudioPage::resetView()
{
    QStringList entries;
    for (int zone = 1; zone <= model::kMaxZones; ++zone)
        entries << tr(" Zone %1").arg(zone);
    m_column->setZoneEntries(entries, 0);
    m_currentZone = 1;
    rebuildPresetBox();
    m_quickEq->refresh();
}

void ZoneAudioPage::loadFromModel()
{
    // The preset names first, so that zone 1's system EQ preset finds its item even when no
    // configuration was read before.
    rebuildPresetBox();
    m_column->setZoneRowQuietly(0);
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
        entries << text::fromLatin1(m_model.zoneName(zone));
    m_column->setZoneEntries(entries, m_column->zoneRow());
    rebuildPresetBox();
}

void ZoneAudioPage::reshowModel()
{
    rebuildPresetBox();
    loadZone(m_currentZone);
}

void ZoneAudioPage::pageShown()
{
    m_quickEq->refresh();
}

void ZoneAudioPage::loadZone(int zone)
{
    const model::ZoneAudio& audio = m_model.zoneAudio(zone);
    const ProgramChange filling(*this);
    setUpdatesEnabled(false);

    m_bands->setLevels(audio.bands);
    // The record keeps bass and treble with their sign reversed; the sliders show them as heard.
    m_tone->setLevels(-audio.bass, -audio.treble);
    m_volume->setSettings(audio.volume, audio.balance, audio.volumeLocked);
    m_lowpass->setFrequency(audio.lowpass);
    m_column->setMode(audio.eqMode);
    m_column->setPreset(audio.systemEqPreset);
    applyModeRule();
    nameForRecord(this, tr("Zone %1").arg(zone));

    setUpdatesEnabled(true);
    if (isVisible())
        m_column->focusZoneList();
}

void ZoneAudioPage::saveZone(int zone)
{
    model::ZoneAudio& audio = m_model.zoneAudio(zone);
    const auto levels = m_bands->levels();
    for (int band = 1; band <= model::kBands; ++band)
        audio.setBand(band, static_cast<int8_t>(levels[static_cast<size_t>(band - 1)]));
    audio.bass = static_cast<int8_t>(-m_tone->bass());
    audio.treble = static_cast<int8_t>(-m_tone->treble());
    audio.volume = static_cast<int8_t>(m_volume->volume());
    audio.balance = static_cast<int8_t>(m_volume->balance());
    audio.lowpass = m_lowpass->frequency();
    audio.eqMode = static_cast<int8_t>(m_column->mode());
    audio.systemEqPreset = static_cast<int8_t>(m_column->preset());
    audio.volumeLocked = m_volume->isLocked();
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
    // The flag of the zone selected in the list; with none selected it counts as clear.
    const int row = m_column->zoneRow();
    m_zoneAudioKnown = row >= 0 && row < model::kMaxZones && m_model.zoneAudio(row + 1).audioKnown;
    const AudioControlStates states =
        audioControlStates(m_column->mode(), m_zoneAudioKnown, m_volume->isLocked());
    // Turning a control off moves the keyboard focus on from it: the control the user is on
    // (the DSP mode box, as a key changes the mode) gets it back when the rule leaves it on.
    const QPointer<QWidget> focused =
        isAncestorOf(QApplication::focusWidget()) ? QApplication::focusWidget() : nullptr;
    m_tone->setVisible(!states.lowpassShown);
    m_lowpass->setVisible(states.lowpassShown);

    // Every control of the page off (the page's own widgets only: a widget that someone else
    // places on the page keeps its state), then the groups of this zone on again.
    for (QWidget* widget : m_ownWidgets)
        setEnabledThroughout(widget, false);
    for (QWidget* panel : m_panels)
        panel->setEnabled(true);
    if (states.eq) {
        setEnabledThroughout(m_bands, true);
        setEnabledThroughout(m_quickEq, true);
    }
    if (states.tone)
        setEnabledThroughout(m_tone, true);
    if (states.lowpass)
        setEnabledThroughout(m_lowpass, true);
    m_column->applyStates(states.volumeGroup, states.preset);
    m_volume->applyStates(states.volumeGroup, states.volumeLevel);
    if (focused && focused->isEnabled() && focused->isVisible() && !focused->hasFocus())
        focused->setFocus(Qt::OtherFocusReason);
}

void ZoneAudioPage::applyVolumeLockRule()
{
    const AudioControlStates states =
        audioControlStates(m_column->mode(), m_zoneAudioKnown, m_volume->isLocked());
    m_volume->applyStates(states.volumeGroup, states.volumeLevel);
}

void ZoneAudioPage::rebuildPresetBox()
{
    QStringList names;
    for (int preset = 1; preset <= model::kPresets; ++preset)
        names << text::fromLatin1(m_model.preset(preset).name);
    m_column->setPresetNames(names);
}

QPushButton* ZoneAudioPage::copyButton() const
{
    return m_column->copyButton();
}

bool ZoneAudioPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::ZoneAudio;
}

void ZoneAudioPage::showRecord(model::DiffSubject, int number)
{
    if (number >= 1 && number <= m_column->zoneCount())
        m_column->showZoneRow(number - 1);
}

} // namespace zel::ui
