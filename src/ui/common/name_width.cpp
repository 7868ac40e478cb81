#include "ui/common/name_width.h"

#include "model/config_model.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QString>
#include <QStyle>

#include <algorithm>

namespace zel::ui {

int nameTextWidth(const QFontMetrics& metrics)
{
    int width = model::kNameLength * metrics.averageCharWidth();
    for (const char* name : {"Living Room Down", "Favorite Name 10"})
        width = std::max(width, metrics.horizontalAdvance(QLatin1String(name)));
    return width;
}

int widestNameWidth(const QFontMetrics& metrics)
{
    return metrics.horizontalAdvance(QString(model::kNameLength, QLatin1Char('W')));
}

int fittedWidth(int designed, int textWidth, int padding)
{
    return std::max(designed, textWidth + padding);
}

int fittedListWidth(const QAbstractScrollArea& list, int designed)
{
    constexpr int kEntryPadding = 8; // an entry's margins either side of its text
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    return fittedWidth(designed, widestNameWidth(list.fontMetrics()),
                       kEntryPadding + 2 * list.frameWidth() + scrollBar);
}

} // namespace zel::ui
