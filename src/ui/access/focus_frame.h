#pragma once
// A frame in the highlight colour around a control, or around the part of it that takes the
// keys (the current tab of a tab bar), while it has the keyboard focus. Some styles show no
// focus at all on a list or a tab bar; with the frame the user always sees where the keys land
// before pressing one.

#include <QWidget>

#include <functional>

class QPainter;

namespace zel::ui {

class FocusFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2;

    // Frames `target` while it has the focus; `part` gives the rectangle to frame, in the
    // target's coordinates (all of it when not given). The frame is a child of the target.
    static FocusFrame* attach(QWidget* target, std::function<QRect()> part = {});

    // The rectangle framed now, in the target's coordinates.
    QRect framed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FocusFrame(QWidget* target, std::function<QRect()> part);
    void follow();

    QWidget* m_target;
    std::function<QRect()> m_part;
};

// Draws a focus frame FocusFrame::kWidth pixels wide inside `rect` in `colour`: the one frame
// of lists, grid cells and slider handles.
void paintFocusRect(QPainter& painter, const QRect& rect, const QColor& colour);

} // namespace zel::ui
