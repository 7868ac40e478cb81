#pragma once
// The "Network" page: DHCP and the three addresses, the two front-panel lockouts and the
// display brightness. Every control edits its ConfigModel member in place; there is no save
// step.

#include "ui/pages/editor_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace zel::ui {

class NetworkPage : public EditorPage {
    Q_OBJECT
public:
    explicit NetworkPage(model::ConfigModel& model, QWidget* parent = nullptr);

    // Shows the model's values, refreshes the level text and applies the DHCP rule.
    void loadFromModel() override;
    // The panel settings and the addresses are all on view.
    bool edits(model::DiffSubject subject) const override
    {
        return subject == model::DiffSubject::Unit;
    }

private:
    void applyDhcpRule();
    void updateLevelText();

    QCheckBox* m_dhcp = nullptr;
    QLabel* m_ipCaption = nullptr;
    QLabel* m_netmaskCaption = nullptr;
    QLabel* m_gatewayCaption = nullptr;
    QLineEdit* m_ipAddress = nullptr;
    QLineEdit* m_netmask = nullptr;
    QLineEdit* m_gateway = nullptr;
    QCheckBox* m_frontPanel = nullptr;
    QCheckBox* m_irLockout = nullptr;
    QSlider* m_display = nullptr;
    QLabel* m_displayLevel = nullptr;
};

} // namespace zel::ui
