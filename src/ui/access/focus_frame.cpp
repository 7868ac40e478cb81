#include "ui/access/focus_frame.h"

#include <QEvent>
#include <QPainter>

namespace zel::ui {

FocusFrame* FocusFrame::attach(QWidget* target, std::function<QRect()> part)
{
    return new FocusFrame(target, std::move(part));
}

FocusFrame::FocusFrame(QWidget* target, std::function<QRect()> part)
    : QWidget(target), m_target(target), m_part(std::move(part))
{
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    follow();
}

QRect FocusFrame::framed() const
{
    const QRect part = m_part ? m_part() : m_target->rect();
    return part.intersected(m_target->rect());
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::EnabledChange:
        case QEvent::LayoutRequest:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::follow()
{
    setGeometry(m_target->rect());
    setVisible(m_target->hasFocus() && m_target->isEnabled());
    raise(); // above the viewport and scroll bars of a list
    update();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFocusRect(painter, framed(), palette().color(QPalette::Active, QPalette::Highlight));
}

void paintFocusRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.save();
    QPen pen(colour, FocusFrame::kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The pen straddles the line: inset by half its width, so the whole frame is inside.
    const qreal inset = FocusFrame::kWidth / 2.0;
    painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

} // namespace zel::ui
