#include "ui/common/focus_frame.h"

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
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen straddles the line: inset by half its width, so the whole frame is inside.
    const qreal inset = kWidth / 2.0;
    painter.drawRect(QRectF(framed()).adjusted(inset, inset, -inset, -inset));
}

} // namespace zel::ui
