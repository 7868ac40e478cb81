#include "ui/audio/zone_column.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/command_language.h"
#include "ui/access/accessible_naming.h"
#include "ui/common/control_enabling.h"
#include "ui/common/name_width.h"

#include <utility>

namespace zel::ui {

namespace {

constexpr int kColumnWidth = 150; // the zone list and the boxes under it, as designed

void selectItem(QComboBox* box, int index)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

ZoneColumn::ZoneColumn(QWidget* parent) : QWidget(parent)
{
    m_zonesCaption = new QLabel(tr("Zones"), this);
    m_zoneList = new QListWidget(this);
    m_zoneList->setObjectName(QStringLiteral("zoneList"));
    m_modeCaption = new QLabel(tr("DSP Mode"), this);
    m_modeBox = new QComboBox(this);
    m_modeBox->setObjectName(QStringLiteral("dspModeBox"));
    for (std::string_view mode : model::kEqModeNames)
        m_modeBox->addItem(QLatin1String(mode.data(), static_cast<qsizetype>(mode.size())));
    m_presetCaption = new QLabel(tr("ZEL EQ Preset"), this);
    m_presetBox = new QComboBox(this);
    m_presetBox->setObjectName(QStringLiteral("zelEqPresetBox"));
    m_copyButton = new QPushButton(tr("Copy Settings..."), this);
    m_copyButton->setObjectName(QStringLiteral("copyZoneSettings"));
    m_zoneList->setAccessibleName(m_zonesCaption->text());
    labelComboBox(m_modeBox, m_modeCaption);
    labelComboBox(m_presetBox, m_presetCaption);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_zonesCaption);
    column->addWidget(m_zoneList, 1);
    column->addSpacing(4);
    column->addWidget(m_modeCaption);
    column->addWidget(m_modeBox);
    column->addSpacing(4);
    column->addWidget(m_presetCaption);
    column->addWidget(m_presetBox);
    column->addSpacing(4);
    column->addWidget(m_copyButton);
    fitToFont();

    // User actions only: the program's own settings block these signals.
    connect(m_zoneList, &QListWidget::currentRowChanged, this, &ZoneColumn::zoneChosen);
    connect(m_modeBox, &QComboBox::activated, this, &ZoneColumn::modeChosen);
    connect(m_presetBox, &QComboBox::activated, this, &ZoneColumn::presetChosen);
    m_modeBox->installEventFilter(this);
    m_presetBox->installEventFilter(this);
}

bool ZoneColumn::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::Wheel:
        m_stepped = true;
        break;
    case QEvent::MouseButtonPress:
        m_stepped = false;
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            std::exchange(m_stepped, false))
            emit choiceLeft();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ZoneColumn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToFont();
    QWidget::changeEvent(event);
}

void ZoneColumn::fitToFont()
{
    // The zone list shows whole names; the two boxes under it keep its width.
    const int width = fittedListWidth(*m_zoneList, kColumnWidth);
    for (QWidget* control : {static_cast<QWidget*>(m_zoneList), static_cast<QWidget*>(m_modeBox),
                             static_cast<QWidget*>(m_presetBox)})
        control->setFixedWidth(width);
}

int ZoneColumn::zoneRow() const
{
    return m_zoneList->currentRow();
}

void ZoneColumn::setZoneRowQuietly(int row)
{
    if (row < 0 || row >= m_zoneList->count())
        return;
    const QSignalBlocker blocker(m_zoneList);
    m_zoneList->setCurrentRow(row);
}

void ZoneColumn::setZoneEntries(const QStringList& entries, int row)
{
    {
        const QSignalBlocker blocker(m_zoneList);
        m_zoneList->clear();
        m_zoneList->addItems(entries);
        nameListItems(m_zoneList, tr("Zone"));
    }
    setZoneRowQuietly(row);
}

int ZoneColumn::zoneCount() const
{
    return m_zoneList->count();
}

void ZoneColumn::showZoneRow(int row)
{
    m_zoneList->setCurrentRow(row);
    m_zoneList->setFocus();
}

void ZoneColumn::focusZoneList()
{
    m_zoneList->setFocus();
}

int ZoneColumn::mode() const
{
    return m_modeBox->currentIndex();
}

void ZoneColumn::setMode(int index)
{
    selectItem(m_modeBox, index);
}

int ZoneColumn::preset() const
{
    return m_presetBox->currentIndex();
}

void ZoneColumn::setPreset(int index)
{
    selectItem(m_presetBox, index);
}

void ZoneColumn::setPresetNames(const QStringList& names)
{
    const QSignalBlocker blocker(m_presetBox);
    const int selected = m_presetBox->currentIndex();
    m_presetBox->clear();
    m_presetBox->addItems(names);
    nameBlankItems(m_presetBox, tr("Preset"));
    m_presetBox->setCurrentIndex(selected);
}

void ZoneColumn::applyStates(bool mode, bool preset)
{
    setEnabledThroughout(m_modeCaption, mode);
    setEnabledThroughout(m_modeBox, mode);
    setEnabledThroughout(m_presetCaption, preset);
    setEnabledThroughout(m_presetBox, preset);
    m_copyButton->setEnabled(mode);
    // The list with its scroll bar: the page's disabling reached every part of it.
    setEnabledThroughout(m_zoneList, true);
    m_zonesCaption->setEnabled(true);
}

} // namespace zel::ui
