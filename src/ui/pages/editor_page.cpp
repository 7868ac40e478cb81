#include "ui/pages/editor_page.h"

namespace zel::ui {

EditorPage::EditorPage(model::ConfigModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
}

void setControlsEnabled(QWidget* container, bool enabled)
{
    const auto children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        child->setEnabled(enabled);
        setControlsEnabled(child, enabled);
    }
}

} // namespace zel::ui
