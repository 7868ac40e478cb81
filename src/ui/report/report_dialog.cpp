#include "ui/report/report_dialog.h"

#include "ui/access/button_mnemonics.h"

#include "ui/common/standard_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace zel::ui {

namespace {

// What an item of the baseline box stands for, beside the offered baselines (0, 1, ...).
constexpr int kNoChanges = -1;
constexpr int kPickFile = -2;   // "A configuration file...": opens the file dialog
constexpr int kChosenFile = -3; // the file picked; its path in kPathRole
constexpr int kPathRole = Qt::UserRole + 1;

constexpr int kNotesLines = 4;

} // namespace

ReportDialog::ReportDialog(const ReportQuestion& question, QWidget* parent)
    : QDialog(parent), m_pathForSite(question.pathForSite), m_site(new QLineEdit(question.site)),
      m_client(new QLineEdit(question.client)), m_installer(new QLineEdit(question.installer)),
      m_notes(new QPlainTextEdit), m_baseline(new QComboBox), m_path(new QLineEdit(question.path))
{
    setWindowTitle(tr("Report"));
    m_notes->setTabChangesFocus(true);
    m_notes->setFixedHeight(m_notes->fontMetrics().lineSpacing() * kNotesLines +
                            2 * m_notes->frameWidth() + 8);
    m_notes->setPlaceholderText(tr("Shown on the first page, as typed"));

    for (int b = 0; b < question.baselines.size(); ++b)
        m_baseline->addItem(question.baselines[b], b);
    m_baseline->addItem(tr("No list of changes"), kNoChanges);
    if (question.offerFile)
        m_baseline->addItem(tr("A configuration file..."), kPickFile);
    m_shownBaseline = m_baseline->findData(question.baseline >= 0 ? question.baseline : kNoChanges);
    m_baseline->setCurrentIndex(m_shownBaseline);
    m_baseline->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_baseline, &QComboBox::activated, this, &ReportDialog::onBaselineActivated);

    auto* browse = new QPushButton(tr("&Browse..."));
    browse->setAutoDefault(false); // Enter saves, wherever the focus is
    connect(browse, &QPushButton::clicked, this, &ReportDialog::browse);
    auto* file = new QHBoxLayout;
    file->addWidget(m_path, 1);
    file->addWidget(browse);
    m_path->setMinimumWidth(m_path->fontMetrics().averageCharWidth() * 48);
    connect(m_path, &QLineEdit::textEdited, this, [this] { m_pathOwn = true; });
    connect(m_site, &QLineEdit::textChanged, this, [this](const QString& site) {
        if (!m_pathOwn && m_pathForSite)
            m_path->setText(m_pathForSite(site));
    });

    auto* form = new QFormLayout;
    form->addRow(tr("Si&te:"), m_site);
    form->addRow(tr("C&lient:"), m_client);
    form->addRow(tr("&Installer:"), m_installer);
    form->addRow(tr("&Notes:"), m_notes);
    form->addRow(tr("&Changes since:"), m_baseline);
    auto* fileLabel = new QLabel(tr("Save &as:")); // a label of a layout has no buddy of its own
    fileLabel->setBuddy(m_path);
    form->addRow(fileLabel, file);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_save = buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole);
    m_save->setDefault(true);
    connect(m_path, &QLineEdit::textChanged, this,
            [this](const QString& path) { m_save->setEnabled(!path.trimmed().isEmpty()); });
    m_save->setEnabled(!question.path.trimmed().isEmpty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    giveButtonsMnemonics(this);
    m_site->setFocus();
}

ReportChoice ReportDialog::choice() const
{
    ReportChoice choice;
    choice.path = m_path->text().trimmed();
    if (!choice.path.isEmpty() && QFileInfo(choice.path).suffix().isEmpty())
        choice.path += QStringLiteral(".pdf");
    choice.site = m_site->text().trimmed();
    choice.client = m_client->text().trimmed();
    choice.installer = m_installer->text().trimmed();
    choice.notes = m_notes->toPlainText();
    const int kind = m_baseline->currentData().toInt();
    choice.baseline = kind >= 0 ? kind : kNoChanges;
    if (kind == kChosenFile)
        choice.baselineFile = m_baseline->currentData(kPathRole).toString();
    return choice;
}

void ReportDialog::chooseBaselineFile(const QString& path)
{
    int item = m_baseline->findData(kChosenFile);
    if (item < 0) {
        item = m_baseline->findData(kPickFile);
        if (item < 0)
            item = m_baseline->count();
        m_baseline->insertItem(item, QString(), kChosenFile);
    }
    m_baseline->setItemText(item, tr("File: %1").arg(QDir::toNativeSeparators(path)));
    m_baseline->setItemData(item, path, kPathRole);
    m_baseline->setCurrentIndex(item);
    m_shownBaseline = item;
}

void ReportDialog::onBaselineActivated(int index)
{
    if (m_baseline->itemData(index).toInt() != kPickFile) {
        m_shownBaseline = index;
        return;
    }
    const std::unique_ptr<QFileDialog> dialog(
        makeConfigurationFileDialog(this, FileDialogKind::Open, QString()));
    dialog->setWindowTitle(tr("Changes Since"));
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chooseBaselineFile(dialog->selectedFiles().constFirst());
    else
        m_baseline->setCurrentIndex(m_shownBaseline);
}

void ReportDialog::browse()
{
    const QString pdfFilter = tr("PDF files (*.pdf)");
    const QString htmlFilter = tr("HTML files (*.html *.htm)");
    QFileDialog dialog(this, tr("Save Report"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The window asks before a file is replaced, once the report is about to be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({pdfFilter, htmlFilter});
    const QString proposed = choice().path;
    const bool html = QFileInfo(proposed).suffix().startsWith(QLatin1String("htm"));
    dialog.selectNameFilter(html ? htmlFilter : pdfFilter);
    dialog.setDefaultSuffix(html ? QStringLiteral("html") : QStringLiteral("pdf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(filter == htmlFilter ? QStringLiteral("html")
                                                     : QStringLiteral("pdf"));
    });
    const QFileInfo file(proposed);
    if (file.absoluteDir().exists())
        dialog.setDirectory(file.absolutePath());
    dialog.selectFile(file.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_path->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    m_pathOwn = true;
}

} // namespace zel::ui
