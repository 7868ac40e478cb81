#include "ui/pages/editor_page.h"

#include <QListWidget>

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

void showListRecord(QListWidget* list, int number)
{
    if (number >= 1 && number <= list->count()) {
        list->setCurrentRow(number - 1);
        list->setFocus();
    }
}

} // namespace zel::ui
