#pragma once
// What zelconfig is told on its command line: at most one configuration file to open (as the
// file manager passes a .zel file), or a request for the usage or the version.

#include <QString>
#include <QStringList>

namespace zel::ui {

struct StartArguments {
    QString file; // empty: start as usual, nothing read
    bool help = false;
    bool version = false;
    QString error; // a usage error, to be shown with the usage
};

// `arguments` without the program's name (and without the toolkit's own options).
StartArguments parseStartArguments(const QStringList& arguments);

// The text of "zelconfig --help".
QString startUsage();

} // namespace zel::ui
