#include "ui/window/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zel::ui {

void centerOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace zel::ui
