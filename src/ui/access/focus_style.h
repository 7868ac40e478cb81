#pragma once
// The program's look for the keyboard focus, whatever the desktop's style: a frame of
// FocusFrame::kWidth pixels in the highlight colour around a slider's handle, around the current
// entry of a list or table, and around every list or table that has the focus. Styles often show
// the focus only after a key was pressed, or as a thin dotted line that is hard to see.

#include <QProxyStyle>

namespace zel::ui {

class FocusStyle : public QProxyStyle {
    Q_OBJECT
public:
    FocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
};

// Makes FocusStyle the program's style; the first call does it, later ones do nothing.
void installFocusStyle();

} // namespace zel::ui
