// zelconfig: the main window, with the welcome window over it until the user dismisses it.
#include "ui/window/main_window.h"
#include "ui/window/welcome_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The application title. No display name: the toolkit would append it to every caption,
    // and the welcome window's caption is "Welcome" alone.
    QApplication::setApplicationName(QStringLiteral("ZEL Configuration"));

    zel::ui::MainWindow window;
    window.show();

    // Owned by the main window, so closing the main window still ends the program.
    auto* welcome = new zel::ui::WelcomeWindow(&window);
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    welcome->show();

    return app.exec();
}
