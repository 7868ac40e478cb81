#pragma once
// Collects a report's HTML and its pictures while the sections are written, with the few table
// pieces every section uses.

#include "report/eq_curve.h"
#include "report/report_document.h"

#include <QString>
#include <QStringList>

namespace zel::report {

class ReportWriter {
public:
    void add(const QString& html) { m_document.html += html; }

    // A section heading, and a paragraph of the program's own text.
    void heading(const QString& text) { add(QStringLiteral("<h2>%1</h2>\n").arg(text)); }
    void paragraph(const QString& html) { add(QStringLiteral("<p>%1</p>\n").arg(html)); }

    // A table: `headers` across the top (each already HTML), then rows added with row().
    void beginTable(const QStringList& headers, const QString& cssClass = QString());
    void row(const QStringList& cells);
    void endTable() { add(QStringLiteral("</table>\n")); }

    // The picture of a curve, kept once however often it is shown: an <img> for a cell.
    QString curve(const BandLevels& bands);

    ReportDocument take() { return std::move(m_document); }

private:
    ReportDocument m_document;
};

} // namespace zel::report
