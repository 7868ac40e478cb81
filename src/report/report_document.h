#pragma once
// A report built once and written in either form: its HTML names each picture it shows, and the
// pictures are kept beside it, to be inlined into the HTML file or handed to the PDF's layout.

#include <QImage>
#include <QMap>
#include <QString>

namespace zel::report {

struct ReportDocument {
    QString title;
    QString html;                 // <img src="NAME"> for every picture, NAME a key of `images`
    QMap<QString, QImage> images; // the pictures, by the name the HTML gives them
};

} // namespace zel::report
