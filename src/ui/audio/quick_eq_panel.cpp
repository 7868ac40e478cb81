#include "ui/audio/quick_eq_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

#include "ui/access/accessible_naming.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"

namespace zel::ui {

namespace {
constexpr int kNameRole = Qt::UserRole;     // the file name as listed
constexpr int kPathRole = Qt::UserRole + 1; // the folder and the file name
} // namespace

QuickEqPanel::QuickEqPanel(EqBandPanel& bands, QuickEqLibrary& library, QWidget* parent)
    : QWidget(parent), m_bands(bands), m_library(library)
{
    m_caption = new QLabel(tr("PC Quick EQ Presets"), this);
    m_box = new QComboBox(this);
    m_save = new QPushButton(tr("Save"), this);
    m_delete = new QPushButton(tr("Delete"), this);
    m_box->setObjectName(QStringLiteral("quickEqBox"));
    m_save->setObjectName(QStringLiteral("quickEqSave"));
    m_delete->setObjectName(QStringLiteral("quickEqDelete"));
    m_box->setAccessibleName(m_caption->text());
    labelComboBox(m_box, m_caption);
    m_box->setToolTip(tr("EQ curves kept on this computer: choosing one sets the ten "
                         "band sliders"));
    m_save->setToolTip(tr("Saves the ten band levels as a curve on this computer"));
    m_delete->setToolTip(tr("Deletes the chosen curve from this computer"));
    m_box->setMinimumContentsLength(12);
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_delete->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption, 0, 0, 1, 2);
    layout->addWidget(m_box, 1, 0, 1, 2);
    layout->addWidget(m_save, 2, 0);
    layout->addWidget(m_delete, 2, 1);

    connect(m_box, &QComboBox::activated, this, &QuickEqPanel::applyEntry);
    connect(m_box, &QComboBox::currentIndexChanged, this, &QuickEqPanel::updateDeleteButton);
    connect(m_save, &QPushButton::clicked, this, &QuickEqPanel::saveCurve);
    connect(m_delete, &QPushButton::clicked, this, &QuickEqPanel::deleteChosen);
    connect(&m_library, &QuickEqLibrary::filesChanged, this, &QuickEqPanel::refresh);
    updateDeleteButton();
}

void QuickEqPanel::refresh()
{
    m_box->clear();
    for (const QuickEqEntry& entry : m_library.entries()) {
        m_box->addItem(entry.name);
        m_box->setItemData(m_box->count() - 1, entry.fileName, kNameRole);
        m_box->setItemData(m_box->count() - 1, entry.path, kPathRole);
    }
    m_box->setCurrentIndex(-1);
}

void QuickEqPanel::applyEntry(int index)
{
    if (index < 0 || index >= m_box->count())
        return;
    // The exact file the listing saw: "Rock.EQ" is found where letter case matters, and the
    // entry "a" of "a.eq.eq" stands for that file and no other.
    const std::vector<int> levels = readQuickEqFile(entryAt(index).path);
    {
        const QScopedValueRollback applying(m_applying, true);
        for (size_t i = 0; i < levels.size(); ++i)
            m_bands.setLevel(static_cast<int>(i) + 1, levels[i]);
    }
    // Named in a menu item, where "&" would mark a mnemonic.
    emit curveApplied(m_box->itemText(index).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void QuickEqPanel::saveCurve()
{
    const QString chosen = m_box->currentIndex() >= 0 ? m_box->currentText() : QString();
    const QString saved = m_library.save(m_bands.levels(), chosen);
    if (saved.isEmpty())
        return;
    // The box shows what was saved, when the library lists that file.
    for (int i = 0; i < m_box->count(); ++i) {
        if (QFileInfo(entryAt(i).path) == QFileInfo(saved))
            m_box->setCurrentIndex(i);
    }
}

void QuickEqPanel::deleteChosen()
{
    const int index = m_box->currentIndex();
    if (index >= 0)
        m_library.remove(entryAt(index));
}

bool QuickEqPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_delete && event->type() == QEvent::EnabledChange && m_delete->isEnabled() &&
        m_box->currentIndex() < 0)
        m_delete->setEnabled(false);
    return QWidget::eventFilter(watched, event);
}

QuickEqEntry QuickEqPanel::entryAt(int index) const
{
    return {m_box->itemText(index), m_box->itemData(index, kNameRole).toString(),
            m_box->itemData(index, kPathRole).toString()};
}

void QuickEqPanel::updateDeleteButton()
{
    m_delete->setEnabled(m_box->isEnabled() && m_box->currentIndex() >= 0);
}

} // namespace zel::ui
