#include "ui/pages/presets_page.h"

#include "text/latin1_text.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "model/config_model.h"
#include "ui/access/accessible_naming.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_panel.h"
#include "ui/common/configuration_text.h"
#include "ui/common/name_width.h"

namespace zel::ui {

namespace {

constexpr int kColumnWidth = 170; // the preset list and the name box, as designed

} // namespace

PresetsPage::PresetsPage(model::ConfigModel& model, QuickEqLibrary& quickEq, QWidget* parent)
    : EditorPage(model, parent)
{
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    m_bands = new EqBandPanel(panel);
    m_quickEq = new QuickEqPanel(*m_bands, quickEq, panel);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(6, 4, 6, 6);
    panelLayout->addWidget(m_bands, 1);
    panelLayout->addSpacing(8);
    panelLayout->addWidget(m_quickEq, 0, Qt::AlignLeft);

    m_presetList = new QListWidget(this);
    m_presetList->setObjectName(QStringLiteral("presetList"));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("presetName"));
    m_nameEdit->setMaxLength(kTypedNameLength);
    acceptConfigurationTextOnly(m_nameEdit);
    m_copyButton = new QPushButton(tr("Copy EQ to Zones..."), this);
    m_copyButton->setObjectName(QStringLiteral("copyPresetEq"));
    m_presetList->setAccessibleName(tr("ZEL EQ Presets"));
    m_nameEdit->setAccessibleName(tr("ZEL Preset Name"));
    fitColumnToFont();

    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(tr("ZEL EQ Presets"), this));
    column->addWidget(m_presetList, 1);
    column->addSpacing(4);
    column->addWidget(new QLabel(tr("ZEL Preset Name:"), this));
    column->addWidget(m_nameEdit);
    column->addSpacing(4);
    column->addWidget(m_copyButton);

    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(panel, 1);
    page->addLayout(column);

    rebuildPresetList();
    connect(m_presetList, &QListWidget::currentRowChanged, this, &PresetsPage::choosePreset);
    connect(m_nameEdit, &QLineEdit::textEdited, this, &PresetsPage::limitTypedName);
    reportEdits();
}

void PresetsPage::reportEdits()
{
    connect(m_nameEdit, &QLineEdit::textEdited, this, [this] {
        session::EditStep step = presetStep(tr("Name"));
        step.mergeKey = step.text; // the letters typed into one name are one step
        reportEdit(step);
    });
    connect(m_quickEq, &QuickEqPanel::curveApplied, this,
            [this](const QString& entry) { reportEdit(presetStep(tr("Quick EQ %1").arg(entry))); });
    for (int band = 1; band <= model::kBands; ++band) {
        reportSliderEdits(m_bands->slider(band), [this, band] {
            return m_quickEq->isApplying() ? session::EditStep() : presetStep(bandName(band));
        });
    }
}

session::EditStep PresetsPage::presetStep(const QString& what) const
{
    return {tr("Preset %1 %2").arg(m_currentPreset).arg(what),
            {},
            model::DiffSubject::Preset,
            m_currentPreset};
}

void PresetsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitColumnToFont();
    EditorPage::changeEvent(event);
}

void PresetsPage::fitColumnToFont()
{
    // The preset list shows whole names; the name box under it keeps its width.
    const int width = fittedListWidth(*m_presetList, kColumnWidth);
    m_presetList->setFixedWidth(width);
    m_nameEdit->setFixedWidth(width);
}

void PresetsPage::resetView()
{
    {
        const QSignalBlocker blocker(m_presetList);
        m_presetList->setCurrentRow(0);
    }
    m_currentPreset = 1;
    m_quickEq->refresh();
}

void PresetsPage::loadFromModel()
{
    m_currentPreset = 1;
    loadPreset(1);
    rebuildPresetList();
}

void PresetsPage::commitToModel()
{
    savePreset(m_currentPreset);
}

void PresetsPage::refreshNames()
{
    const int selected = m_presetList->currentRow();
    rebuildPresetList();
    if (selected >= 0) {
        const QSignalBlocker blocker(m_presetList);
        m_presetList->setCurrentRow(selected);
    }
}

void PresetsPage::reshowModel()
{
    loadPreset(m_currentPreset);
    refreshNames();
}

void PresetsPage::pageShown()
{
    m_quickEq->refresh();
}

void PresetsPage::loadPreset(int preset)
{
    const model::DevicePreset& record = m_model.preset(preset);
    const ProgramChange filling(*this);
    setUpdatesEnabled(false);
    m_bands->setLevels(record.bands);
    const QString name = text::fromLatin1(record.name);
    // A longer name read from a unit is shown whole; the limit applies to typing only.
    m_nameEdit->setMaxLength(std::max<int>(kTypedNameLength, static_cast<int>(name.size())));
    m_nameEdit->setText(name);
    nameForRecord(this, tr("Preset %1").arg(preset));
    setUpdatesEnabled(true);
    if (isVisible())
        m_presetList->setFocus();
}

void PresetsPage::savePreset(int preset)
{
    model::DevicePreset& record = m_model.preset(preset);
    const auto levels = m_bands->levels();
    for (int band = 1; band <= model::kBands; ++band)
        record.setBand(band, static_cast<int8_t>(levels[static_cast<size_t>(band - 1)]));

    const std::string name = text::toLatin1(m_nameEdit->text());
    if (name == record.name)
        return;
    record.name = name;
    const int selected = m_presetList->currentRow();
    rebuildPresetList();
    emit namesChanged(); // the zone page's ZEL EQ preset box repeats the names
    const QSignalBlocker blocker(m_presetList);
    m_presetList->setCurrentRow(selected);
}

void PresetsPage::choosePreset(int row)
{
    if (row < 0 || row >= model::kPresets)
        return;
    setUpdatesEnabled(false);
    savePreset(m_currentPreset);
    loadPreset(row + 1);
    m_currentPreset = row + 1;
    setUpdatesEnabled(true);
}

void PresetsPage::rebuildPresetList()
{
    const QSignalBlocker blocker(m_presetList);
    m_presetList->clear();
    for (int preset = 1; preset <= model::kPresets; ++preset)
        m_presetList->addItem(text::fromLatin1(m_model.preset(preset).name));
    nameListItems(m_presetList, tr("Preset"));
}

void PresetsPage::limitTypedName()
{
    // Typing never lengthens a name beyond 15 characters; a longer name read from a unit may
    // only get shorter.
    m_nameEdit->setMaxLength(
        std::max<int>(kTypedNameLength, static_cast<int>(m_nameEdit->text().size())));
}

bool PresetsPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::Preset;
}

void PresetsPage::showRecord(model::DiffSubject, int number)
{
    showListRecord(m_presetList, number);
}

} // namespace zel::ui
