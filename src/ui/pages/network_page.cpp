#include "ui/pages/network_page.h"

#include "text/latin1_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "model/config_model.h"
#include "ui/access/slider_reading.h"
#include "ui/common/configuration_text.h"

namespace zel::ui {

namespace {

QString levelText(int level)
{
    return NetworkPage::tr("Level:%1")
        .arg(QLatin1String(model::kDisplayLevelTexts.at(static_cast<size_t>(level))));
}

QLineEdit* makeAddressEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setFixedWidth(160);
    acceptConfigurationTextOnly(edit);
    return edit;
}

} // namespace

NetworkPage::NetworkPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent)
{
    auto* network = new QGroupBox(tr("Network Card Settings"), this);
    m_dhcp = new QCheckBox(tr("Enable DHCP?"), network);
    m_dhcp->setObjectName(QStringLiteral("DHCPCheckbox"));
    m_ipCaption = new QLabel(tr("IP Address"), network);
    m_ipAddress = makeAddressEdit(QStringLiteral("IPAddress"), network);
    m_netmaskCaption = new QLabel(tr("Netmask"), network);
    m_netmask = makeAddressEdit(QStringLiteral("Netmask"), network);
    m_gatewayCaption = new QLabel(tr("Gateway"), network);
    m_gateway = makeAddressEdit(QStringLiteral("Gateway"), network);

    auto* networkLayout = new QVBoxLayout(network);
    networkLayout->addWidget(m_dhcp);
    networkLayout->addSpacing(6);
    for (auto [caption, edit] :
         {std::pair{m_ipCaption, m_ipAddress}, std::pair{m_netmaskCaption, m_netmask},
          std::pair{m_gatewayCaption, m_gateway}}) {
        networkLayout->addWidget(caption);
        networkLayout->addWidget(edit);
        networkLayout->addSpacing(4);
    }

    auto* lockouts = new QGroupBox(tr("Lockouts"), this);
    m_frontPanel = new QCheckBox(tr("Lock Front Panel?"), lockouts);
    m_frontPanel->setObjectName(QStringLiteral("FPCheckbox"));
    m_irLockout = new QCheckBox(tr("Front Panel IR Lockout?"), lockouts);
    m_irLockout->setObjectName(QStringLiteral("IRCheckBox"));
    m_displayLevel = new QLabel(tr("Level: 100%"), lockouts);
    m_displayLevel->setObjectName(QStringLiteral("DisplayLvl"));
    m_display = new QSlider(Qt::Horizontal, lockouts);
    m_display->setObjectName(QStringLiteral("Display"));
    m_display->setRange(0, static_cast<int>(model::kDisplayLevelTexts.size()) - 1);
    m_display->setSingleStep(1);
    m_display->setPageStep(1);
    m_display->setTickPosition(QSlider::TicksBothSides);
    m_display->setTickInterval(1);
    m_display->setFixedWidth(160);
    m_ipAddress->setAccessibleName(m_ipCaption->text());
    m_netmask->setAccessibleName(m_netmaskCaption->text());
    m_gateway->setAccessibleName(m_gatewayCaption->text());
    m_display->setAccessibleName(tr("Display Brightness"));
    // Read as the level its label shows ("100%" at the first position), not as the position.
    setSliderReading(m_display, [](int level) {
        return QString(QLatin1String(model::kDisplayLevelTexts.at(static_cast<size_t>(level))));
    });

    auto* lockoutLayout = new QVBoxLayout(lockouts);
    lockoutLayout->addWidget(m_frontPanel);
    lockoutLayout->addWidget(m_irLockout);
    lockoutLayout->addSpacing(12);
    lockoutLayout->addWidget(new QLabel(tr("Display Brightness"), lockouts));
    lockoutLayout->addWidget(m_displayLevel);
    lockoutLayout->addWidget(m_display);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addWidget(network);
    columns->addWidget(lockouts, 0, Qt::AlignTop);
    columns->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 12);
    page->addLayout(columns);
    page->addStretch();

    // The values the model starts with; the level text keeps its first wording until the
    // slider or a configuration sets a level.
    m_dhcp->setChecked(m_model.network().dhcp);
    m_ipAddress->setText(text::fromLatin1(m_model.network().ipAddress));
    m_netmask->setText(text::fromLatin1(m_model.network().netmask));
    m_gateway->setText(text::fromLatin1(m_model.network().gateway));
    m_frontPanel->setChecked(m_model.frontPanelLocked());
    m_irLockout->setChecked(m_model.irLockout());
    m_display->setValue(m_model.displayLevel());
    applyDhcpRule();

    connect(m_dhcp, &QCheckBox::toggled, this, [this](bool on) {
        m_model.network().dhcp = on;
        applyDhcpRule();
        reportEdit(unitStep(tr("DHCP")));
    });
    const auto editAddress = [this](QLineEdit* edit, std::string& address, const QString& what) {
        connect(edit, &QLineEdit::textEdited, this, [this, &address, what](const QString& text) {
            address = text::toLatin1(text);
            reportEdit(unitStep(what, what)); // the letters typed into one address are one step
        });
    };
    editAddress(m_ipAddress, m_model.network().ipAddress, tr("IP Address"));
    editAddress(m_netmask, m_model.network().netmask, tr("Netmask"));
    editAddress(m_gateway, m_model.network().gateway, tr("Gateway"));
    connect(m_frontPanel, &QCheckBox::toggled, this, [this](bool on) {
        m_model.setFrontPanelLocked(on);
        reportEdit(unitStep(tr("Front Panel Lock")));
    });
    connect(m_irLockout, &QCheckBox::toggled, this, [this](bool on) {
        m_model.setIrLockout(on);
        reportEdit(unitStep(tr("IR Lockout")));
    });
    connect(m_display, &QSlider::valueChanged, this, [this](int level) {
        m_model.setDisplayLevel(level);
        updateLevelText();
    });
    reportSliderEdits(m_display, [this] { return unitStep(tr("Display Brightness")); });
}

session::EditStep NetworkPage::unitStep(const QString& what, const QString& mergeKey) const
{
    return {what, mergeKey, model::DiffSubject::Unit, 0};
}

void NetworkPage::loadFromModel()
{
    const ProgramChange filling(*this);
    const model::NetworkSettings& network = m_model.network();
    m_dhcp->setChecked(network.dhcp);
    m_ipAddress->setText(text::fromLatin1(network.ipAddress));
    m_netmask->setText(text::fromLatin1(network.netmask));
    m_gateway->setText(text::fromLatin1(network.gateway));
    m_frontPanel->setChecked(m_model.frontPanelLocked());
    m_irLockout->setChecked(m_model.irLockout());
    m_display->setValue(m_model.displayLevel());
    applyDhcpRule();
}

void NetworkPage::applyDhcpRule()
{
    const bool manual = !m_dhcp->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(m_ipCaption), static_cast<QWidget*>(m_ipAddress),
          static_cast<QWidget*>(m_netmaskCaption), static_cast<QWidget*>(m_netmask),
          static_cast<QWidget*>(m_gatewayCaption), static_cast<QWidget*>(m_gateway)})
        control->setEnabled(manual);
}

void NetworkPage::updateLevelText()
{
    m_displayLevel->setText(levelText(m_display->value()));
}

} // namespace zel::ui
