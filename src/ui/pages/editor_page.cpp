#include "ui/pages/editor_page.h"

#include <QAbstractSlider>
#include <QListWidget>

namespace zel::ui {

EditorPage::EditorPage(model::ConfigModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
}

void EditorPage::reportEdit(const session::EditStep& step)
{
    if (!isProgramChange() && !step.text.isEmpty())
        emit edited(step);
}

void EditorPage::reportSliderEdits(QAbstractSlider* slider, std::function<session::EditStep()> step)
{
    connect(slider, &QAbstractSlider::sliderPressed, this, [this] { ++m_drags; });
    connect(slider, &QAbstractSlider::valueChanged, this, [this, slider, step] {
        session::EditStep edit = step();
        edit.pace = session::EditStep::Pace::Series;
        if (slider->isSliderDown()) {
            edit.mergeKey = QStringLiteral("%1 drag %2").arg(edit.text).arg(m_drags);
            edit.pace = session::EditStep::Pace::Drag;
        }
        reportEdit(edit);
    });
    connect(slider, &QAbstractSlider::sliderReleased, this, &EditorPage::sliderReleased);
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
