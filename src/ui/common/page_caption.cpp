#include "ui/common/page_caption.h"

#include <QLabel>

namespace zel::ui {

QLabel* placeBoldCaption(QWidget* page, const QString& text, QPoint topLeft)
{
    auto* label = new QLabel(text, page);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

} // namespace zel::ui
