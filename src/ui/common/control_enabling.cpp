#include "ui/common/control_enabling.h"

#include <QWidget>

namespace zel::ui {

void setEnabledThroughout(QWidget* control, bool enabled)
{
    control->setEnabled(enabled);
    for (QWidget* child : control->findChildren<QWidget*>())
        child->setEnabled(enabled);
}

} // namespace zel::ui
