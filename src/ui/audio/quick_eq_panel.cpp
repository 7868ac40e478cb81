#include "ui/audio/quick_eq_panel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_dialogs.h"
#include "ui/audio/quick_eq_presets.h"

namespace zel::ui {

namespace {

// Tells every panel that the files of a folder changed, so that the boxes of both pages list
// the same files after a save or a delete on either of them.
class QuickEqFolderNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static QuickEqFolderNotifier* instance()
    {
        static QPointer<QuickEqFolderNotifier> notifier;
        if (!notifier)
            notifier = new QuickEqFolderNotifier(QCoreApplication::instance());
        return notifier;
    }

signals:
    void filesChanged(const QString& folder);
};

bool sameFolder(const QString& a, const QString& b)
{
    return QDir(a).absolutePath() == QDir(b).absolutePath();
}

} // namespace

QuickEqPanel::QuickEqPanel(EqBandPanel& bands, QWidget* parent)
    : QWidget(parent), m_bands(bands), m_folder(defaultQuickEqFolder()),
      m_dialogs(std::make_shared<NativeQuickEqDialogs>())
{
    m_caption = new QLabel(QStringLiteral("PC Quick EQ Presets"), this);
    m_box = new QComboBox(this);
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    m_box->setObjectName(QStringLiteral("quickEqBox"));
    m_save->setObjectName(QStringLiteral("quickEqSave"));
    m_delete->setObjectName(QStringLiteral("quickEqDelete"));
    m_box->setMinimumContentsLength(12);
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption, 0, 0, 1, 2);
    layout->addWidget(m_box, 1, 0, 1, 2);
    layout->addWidget(m_save, 2, 0);
    layout->addWidget(m_delete, 2, 1);

    connect(m_box, &QComboBox::activated, this, &QuickEqPanel::applyEntry);
    connect(m_save, &QPushButton::clicked, this, &QuickEqPanel::saveCurve);
    connect(m_delete, &QPushButton::clicked, this, &QuickEqPanel::deleteChosen);
    connect(QuickEqFolderNotifier::instance(), &QuickEqFolderNotifier::filesChanged, this,
            [this](const QString& folder) {
                if (sameFolder(folder, m_folder))
                    refresh();
            });
}

QuickEqPanel::~QuickEqPanel() = default;

void QuickEqPanel::setFolder(const QString& folder)
{
    m_folder = folder;
    refresh();
}

void QuickEqPanel::setDialogs(std::shared_ptr<QuickEqDialogs> dialogs)
{
    if (dialogs)
        m_dialogs = std::move(dialogs);
}

void QuickEqPanel::refresh()
{
    m_box->clear();
    for (const QuickEqEntry& entry : listQuickEqFiles(m_folder))
        m_box->addItem(entry.name, entry.fileName);
    m_box->setCurrentIndex(-1);
}

void QuickEqPanel::applyEntry(int index)
{
    if (index < 0 || index >= m_box->count())
        return;
    const std::vector<int> levels = readQuickEqFile(filePathAt(index));
    for (size_t i = 0; i < levels.size(); ++i)
        m_bands.setLevel(static_cast<int>(i) + 1, levels[i]);
}

void QuickEqPanel::saveCurve()
{
    const QByteArray content = formatQuickEqLevels(m_bands.levels());
    const QString chosen = m_box->currentIndex() >= 0 ? m_box->currentText() : QString();
    QString path = m_dialogs->askSavePath(this, m_folder, chosen);
    if (path.isEmpty())
        return;
    path = withQuickEqSuffix(path);
    const QString shownPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (QFileInfo::exists(path) &&
        !m_dialogs->confirm(this, QStringLiteral("File ") + shownPath +
                                      QStringLiteral(" exists. Overwrite?")))
        return;
    QString error;
    if (!writeQuickEqFile(path, content, &error)) {
        m_dialogs->showError(this,
                             QStringLiteral("Cannot create file \"%1\". %2").arg(shownPath, error));
        return;
    }
    emit QuickEqFolderNotifier::instance()->filesChanged(m_folder);
}

void QuickEqPanel::deleteChosen()
{
    const int index = m_box->currentIndex();
    if (index < 0)
        return;
    const QString path = filePathAt(index);
    if (QFileInfo::exists(path) &&
        m_dialogs->confirm(this, QStringLiteral("Delete EQ: ") + m_box->itemText(index) +
                                     QStringLiteral("?")))
        QFile::remove(path); // a failed deletion shows in the list that follows
    emit QuickEqFolderNotifier::instance()->filesChanged(m_folder);
}

QString QuickEqPanel::filePathAt(int index) const
{
    // The exact file name the listing saw: "Rock.EQ" is found where letter case matters, and
    // the entry "a" of "a.eq.eq" stands for that file and no other.
    return QDir(m_folder).filePath(m_box->itemData(index).toString());
}

} // namespace zel::ui

#include "quick_eq_panel.moc"
