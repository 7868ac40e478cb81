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

    // Shows the model's values and applies the DHCP rule. The level text follows the slider
    // when the level changed.
    void loadFromModel() override;
    // The level text for the slider's level: after a display line was read, also when the
    // level stayed the same. Before its first update the text reads "Level: 100%".
    void updateLevelText();
    // The panel settings and the addresses are all on view.
    bool edits(model::DiffSubject subject) const override
    {
        return subject == model::DiffSubject::Unit;
    }

private:
    void applyDhcpRule();
    session::EditStep unitStep(const QString& what, const QString& mergeKey = {}) const;

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
