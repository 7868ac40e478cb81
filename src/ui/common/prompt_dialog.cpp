#include "ui/common/prompt_dialog.h"

#include "ui/access/button_mnemonics.h"
#include "ui/common/window_placement.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zel::ui {

namespace {
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    m_averageWidth = metrics.horizontalAdvance(kAlphabet) / kAlphabet.size();
    m_height = metrics.height();
}

PromptDialog::PromptDialog(const QString& caption, const QString& prompt, const QString& text,
                           QWidget* parent, bool masked)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_prompt(new QLabel(prompt, this)), m_entry(new QLineEdit(this)),
      m_ok(new QPushButton(tr("OK"), this)), m_cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(caption);
    // A window does not take its parent's font by itself; the prompt matches the window it
    // belongs to.
    if (parent)
        setFont(parent->font());
    const DialogUnits du(font());

    // A prompt wider than the entry wraps onto more lines, and everything below it moves down
    // by what it adds: the prompt is always read whole.
    m_prompt->move(du.x(13), du.y(5));
    m_prompt->adjustSize();
    int below = 0;
    if (m_prompt->width() > du.x(164)) {
        const int oneLine = m_prompt->height();
        m_prompt->setWordWrap(true);
        m_prompt->resize(du.x(164), m_prompt->heightForWidth(du.x(164)));
        below = m_prompt->height() - oneLine;
    }

    m_entry->setMaxLength(kMaxLength);
    m_entry->setText(text);
    m_entry->selectAll();
    if (masked)
        m_entry->setEchoMode(QLineEdit::Password);
    m_entry->setGeometry(du.x(13), du.y(15) + below, du.x(164), m_entry->sizeHint().height());

    m_ok->setGeometry(du.x(38), du.y(31) + below, du.x(50), du.y(14));
    m_ok->setDefault(true);
    m_cancel->setGeometry(du.x(102), du.y(31) + below, du.x(50), du.y(14));
    m_cancel->setAutoDefault(false);
    // Escape answers "Cancel" through QDialog::reject().
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    giveButtonsMnemonics(this);
    setFixedSize(du.x(190), du.y(53) + below);
    m_entry->setFocus();
    centerOnScreen(this);
}

QString PromptDialog::text() const
{
    return m_entry->text();
}

} // namespace zel::ui
