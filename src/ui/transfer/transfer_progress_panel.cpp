#include "ui/transfer/transfer_progress_panel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

namespace zel::ui {

namespace {
constexpr int kBarWidth = 160;
} // namespace

TransferProgressPanel::TransferProgressPanel(QWidget* parent)
    : QWidget(parent), m_bar(new QProgressBar(this)), m_cancel(new QPushButton(tr("Cancel"), this))
{
    m_bar->setFixedWidth(kBarWidth);
    m_bar->setTextVisible(true);
    m_bar->setFormat(tr("%v of %m"));
    m_bar->setAccessibleName(tr("Transfer progress"));
    m_cancel->setToolTip(tr("Stop the transfer at the current line (Esc)"));
    m_cancel->setFocusPolicy(Qt::NoFocus);
    connect(m_cancel, &QPushButton::clicked, this, &TransferProgressPanel::cancelRequested);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel);
    hide();
}

void TransferProgressPanel::begin()
{
    m_bar->setRange(0, 0); // busy until a count is known
    m_bar->setValue(0);
    show();
}

void TransferProgressPanel::showProgress(int line, int lineCount)
{
    m_bar->setRange(0, lineCount);
    m_bar->setValue(line);
}

void TransferProgressPanel::end()
{
    hide();
}

} // namespace zel::ui
