#include "ui/transfer/select_port_dialog.h"

#include "ui/access/button_mnemonics.h"

#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace zel::ui {

SelectPortDialog::SelectPortDialog(const QStringList& ports, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_portBox(new QComboBox(this))
{
    setWindowTitle(tr("Select Port"));
    if (parent)
        setFont(parent->font()); // a window does not take its parent's font by itself

    m_portBox->setEditable(true);
    m_portBox->setInsertPolicy(QComboBox::NoInsert);
    m_portBox->addItems(ports);
    m_portBox->setCurrentIndex(ports.isEmpty() ? -1 : 0);
    m_portBox->lineEdit()->setPlaceholderText(tr("Port name or device path"));
    m_portBox->setMinimumContentsLength(24);
    m_portBox->setAccessibleName(tr("Serial port"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Nothing to open without a name.
    const auto updateOk = [this] { m_ok->setEnabled(!portName().isEmpty()); };
    connect(m_portBox, &QComboBox::currentTextChanged, this, updateOk);
    updateOk();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The configured serial port is not valid."), this));
    layout->addWidget(new QLabel(tr("Please choose another port."), this));
    layout->addWidget(m_portBox);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    giveButtonsMnemonics(this);
    m_portBox->setFocus();
}

QString SelectPortDialog::portName() const
{
    return m_portBox->currentText().trimmed();
}

QStringList SelectPortDialog::availablePorts()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

} // namespace zel::ui
