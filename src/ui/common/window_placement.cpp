#include "ui/common/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace zel::ui {

namespace {

// `frame` moved the least distance to lie inside `available`; its top-left corner wins where it
// is larger.
QRect movedInside(QRect frame, const QRect& available)
{
    frame.moveLeft(
        std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(
        std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

QRect availableAreaOf(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QRect centredIn(QSize size, const QRect& available)
{
    QRect frame({0, 0}, size);
    frame.moveCenter(available.center());
    return movedInside(frame, available);
}

QRect besideIn(const QRect& anchor, QSize size, const QRect& available)
{
    // Room on each side of the anchor, and where the window would stand there.
    struct Side {
        int room;
        QRect frame;
    };
    const int middleTop = anchor.center().y() - size.height() / 2;
    const int middleLeft = anchor.center().x() - size.width() / 2;
    const std::array<Side, 4> sides = {{
        {available.right() - anchor.right(), QRect({anchor.right() + 1, middleTop}, size)},
        {anchor.left() - available.left(), QRect({anchor.left() - size.width(), middleTop}, size)},
        {available.bottom() - anchor.bottom(), QRect({middleLeft, anchor.bottom() + 1}, size)},
        {anchor.top() - available.top(), QRect({middleLeft, anchor.top() - size.height()}, size)},
    }};
    for (size_t i = 0; i < sides.size(); ++i) {
        const int needed = i < 2 ? size.width() : size.height();
        if (sides[i].room >= needed)
            return movedInside(sides[i].frame, available);
    }
    const auto most = std::max_element(
        sides.begin(), sides.end(), [](const Side& a, const Side& b) { return a.room < b.room; });
    return movedInside(most->frame, available);
}

void centerOnScreen(QWidget* window)
{
    const QRect available = availableAreaOf(window);
    if (available.isEmpty())
        return;
    window->move(centredIn(window->frameGeometry().size(), available).topLeft());
}

void placeBeside(QWidget* window, const QWidget* anchor)
{
    const QRect available = availableAreaOf(anchor);
    if (available.isEmpty())
        return;
    // move() places the frame's top-left corner, so the frame's size is what must fit.
    window->move(
        besideIn(anchor->frameGeometry(), window->frameGeometry().size(), available).topLeft());
}

} // namespace zel::ui
