#include "ui/window/start_arguments.h"

#include <QCoreApplication>

namespace zel::ui {

StartArguments parseStartArguments(const QStringList& arguments)
{
    StartArguments start;
    bool optionsEnded = false;
    for (const QString& word : arguments) {
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (word == QLatin1String("-h") || word == QLatin1String("--help"))) {
            start.help = true;
        } else if (!optionsEnded && word == QLatin1String("--version")) {
            start.version = true;
        } else if (!optionsEnded && word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            start.error = QCoreApplication::translate("Window", "unknown option '%1'").arg(word);
        } else if (!start.file.isEmpty()) {
            start.error = QCoreApplication::translate("Window", "only one file can be opened");
        } else {
            start.file = word;
        }
    }
    return start;
}

QString startUsage()
{
    return QCoreApplication::translate(
        "Window",
        "Usage: zelconfig [FILE.zel]\n\n"
        "Edits the configuration of a ZEL-8 or ZEL-16 multi-zone audio unit in a window: fetch\n"
        "it from a .zel file, over a 9600-baud serial line or over TCP port 23, edit names,\n"
        "favorites, groups, zone audio, EQ presets and network settings, and send it back.\n\n"
        "With FILE, the window opens in File Mode and imports that file at once, as File,\n"
        "Import would; without it, the window starts empty with its welcome window.\n\n"
        "Options:\n"
        "  -h, --help     show this help\n"
        "  --version      show the version\n");
}

} // namespace zel::ui
