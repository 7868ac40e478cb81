#include "ui/window/configuration_file_page.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace zel::ui {

namespace {

constexpr int kConfigurationTextWidth = 345;
constexpr int kLogTextWidth = 321;
constexpr int kPageMargin = 8;

QPlainTextEdit* makeTextBox(int width, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setFixedWidth(width);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A configuration line holds no tab: Tab goes on to the next control, as everywhere else.
    box->setTabChangesFocus(true);
    return box;
}

} // namespace

ConfigurationFilePage::ConfigurationFilePage(QWidget* parent)
    : QWidget(parent), m_configurationTextBox(makeTextBox(kConfigurationTextWidth, this)),
      m_logTextBox(makeTextBox(kLogTextWidth, this))
{
    m_configurationTextBox->setAccessibleName(tr("Configuration text"));
    m_logTextBox->setAccessibleName(tr("Log"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    layout->addWidget(m_configurationTextBox);
    layout->addStretch(1);
    layout->addWidget(m_logTextBox);
}

void ConfigurationFilePage::clear()
{
    m_configurationTextBox->clear();
    m_logTextBox->clear();
}

} // namespace zel::ui
