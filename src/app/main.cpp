#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Configuration"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZEL Configuration"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ZEL Configuration"));
    window.resize(713, 430);
    window.show();
    return app.exec();
}
