#include "report/report_writer.h"
#include "report/report_texts.h"

namespace zel::report {

void ReportWriter::beginTable(const QStringList& headers, const QString& cssClass)
{
    // The attributes are what the PDF's layout reads; the style sheet says the same to browsers.
    add(QStringLiteral("<table%1 border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n")
            .arg(cssClass.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(cssClass)));
    if (headers.isEmpty())
        return;
    // A header row is repeated on every page that the table runs on.
    add(QStringLiteral("<thead><tr>"));
    for (const QString& header : headers)
        add(QStringLiteral("<th>%1</th>").arg(header));
    add(QStringLiteral("</tr></thead>\n"));
}

void ReportWriter::row(const QStringList& cells)
{
    add(QStringLiteral("<tr>"));
    for (const QString& cell : cells)
        add(QStringLiteral("<td>%1</td>").arg(cell));
    add(QStringLiteral("</tr>\n"));
}

QString ReportWriter::curve(const BandLevels& bands)
{
    const QString name = eqCurveName(bands);
    if (!m_document.images.contains(name))
        m_document.images.insert(name, eqCurveImage(bands));
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\">")
        .arg(name)
        .arg(kCurveWidth)
        .arg(kCurveHeight)
        .arg(ReportText::tr("EQ curve"));
}

} // namespace zel::report
