#pragma once
// Where the program's windows first appear: always inside the available area of their screen
// (a window larger than that area keeps its top-left corner, and so its menu, in view).

#include <QRect>

class QWidget;

namespace zel::ui {

// A window of `size` centred in `available`, moved inside it.
QRect centredIn(QSize size, const QRect& available);

// A window of `size` beside `anchor` without covering it: to its right, else its left, else
// below, else above; where no side has room, on the side with the most, moved inside
// `available`.
QRect besideIn(const QRect& anchor, QSize size, const QRect& available);

// Moves a top-level window so that it stands in the middle of the available area of its screen.
void centerOnScreen(QWidget* window);

// Moves a top-level window beside `anchor` (another top-level window) on anchor's screen.
void placeBeside(QWidget* window, const QWidget* anchor);

} // namespace zel::ui
