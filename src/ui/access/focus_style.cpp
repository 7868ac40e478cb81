#include "ui/access/focus_style.h"

#include "ui/access/focus_frame.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

namespace zel::ui {

namespace {

// The open list of a drop-down box, or of a completer, closes when it loses the focus, and a
// list's header never takes it: no frame.
bool takesNoFrame(const QWidget* view)
{
    return view->windowType() == Qt::Popup || view->inherits("QComboBoxListView") ||
           (view->parentWidget() && view->parentWidget()->inherits("QComboBoxPrivateContainer")) ||
           qobject_cast<const QHeaderView*>(view);
}

} // namespace

FocusStyle::FocusStyle() = default;

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameFocusRect || !qobject_cast<const QAbstractItemView*>(widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The current entry of a list: on a chosen entry (filled with the highlight colour) the
    // frame takes the colour of its text, so that it still shows.
    const QColor highlight = option->palette.color(QPalette::Active, QPalette::Highlight);
    const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
    const bool onHighlight = focus && focus->backgroundColor == highlight;
    paintFocusRect(*painter, option->rect,
                   onHighlight ? option->palette.color(QPalette::Active, QPalette::HighlightedText)
                               : highlight);
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_Slider || !(option->state & State_HasFocus) ||
        !(option->state & State_Enabled))
        return;
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!slider || !(slider->subControls & SC_SliderHandle))
        return;
    // Around the handle, as far outside it as the slider's own rectangle allows.
    const QRect handle = subControlRect(CC_Slider, slider, SC_SliderHandle, widget);
    const int margin = FocusFrame::kWidth;
    const QRect framed =
        handle.adjusted(-margin, -margin, margin, margin).intersected(option->rect);
    paintFocusRect(*painter, framed, option->palette.color(QPalette::Active, QPalette::Highlight));
}

void FocusStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    if (!view || takesNoFrame(view) ||
        view->findChild<FocusFrame*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    FocusFrame::attach(view);
}

void installFocusStyle()
{
    if (!qobject_cast<FocusStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusStyle);
}

} // namespace zel::ui
