#include "ui/window/tab_fitting.h"

#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>

namespace zel::ui {

namespace {

constexpr int kTabPadding = 8;          // horizontal space around a caption, both sides together
constexpr qreal kMinTabPointSize = 6.5; // smaller is hard to read
constexpr qreal kPointStep = 0.5;

// The application's style with less space around tab captions.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return kTabPadding;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void fitTabsToWidth(QTabWidget* tabs)
{
    QTabBar* bar = tabs->tabBar();
    auto* style = new CompactTabStyle;
    style->setParent(bar);
    bar->setStyle(style);

    QFont font = bar->font();
    while (bar->sizeHint().width() > tabs->width() &&
           font.pointSizeF() - kPointStep >= kMinTabPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointStep);
        bar->setFont(font);
    }
}

} // namespace zel::ui
