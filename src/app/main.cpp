// zelconfig: the main window, with the welcome window over it until the user dismisses it, or
// with the configuration file given on the command line read into it.
#include "ui/window/main_window.h"
#include "ui/window/start_arguments.h"
#include "ui/window/welcome_window.h"

#include "zel_version.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The usage and the version need no display: answered before the toolkit starts.
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "-h" || word == "--help") {
            std::fputs(qPrintable(zel::ui::startUsage()), stdout);
            return 0;
        }
        if (word == "--version") {
            std::printf("zelconfig %s\n", zel::kVersion);
            return 0;
        }
        if (word == "--")
            break;
    }

    QApplication app(argc, argv);
    // The application title. No display name: the toolkit would append it to every caption,
    // and the welcome window's caption is "Welcome" alone.
    QApplication::setApplicationName(QStringLiteral("ZEL Configuration"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zelconfig.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("zelconfig"));

    // The toolkit has taken its own options out of the arguments.
    const zel::ui::StartArguments start =
        zel::ui::parseStartArguments(QApplication::arguments().mid(1));
    if (!start.error.isEmpty()) {
        std::fprintf(stderr, "zelconfig: %s\nTry 'zelconfig --help'.\n", qPrintable(start.error));
        return 2;
    }

    zel::ui::MainWindow window;
    window.show();
    if (!start.file.isEmpty()) {
        window.openFile(start.file);
        return app.exec();
    }

    // Owned by the main window, so closing the main window still ends the program.
    auto* welcome = new zel::ui::WelcomeWindow(&window);
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    welcome->show();

    return app.exec();
}
