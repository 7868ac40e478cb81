#pragma once
// The two forms of a report: one self-contained HTML file (UTF-8, the pictures inlined), and a
// PDF on A4 or Letter whose text stays text (it can be searched and copied). Both come out as
// bytes, for the caller to save. A QGuiApplication must exist (fonts and layout).

#include "report/page_breaks.h"
#include "report/report_document.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

namespace zel::report {

enum class ReportFormat { Html, Pdf };
enum class Paper { A4, Letter };

// The form a file name asks for by its extension (.html, .htm, .pdf, in any case); nothing for
// any other.
std::optional<ReportFormat> reportFormatOf(const QString& path);

// Letter where the locale measures in US units or is Canada's; A4 elsewhere.
Paper paperOf(const QLocale& locale);

// The HTML file: one file, nothing it refers to outside itself.
QByteArray reportHtmlFile(const ReportDocument& document);

// The file of `format`: the HTML file, or the PDF on `paper`.
QByteArray reportFileBytes(const ReportDocument& document, ReportFormat format, Paper paper);

// The report laid out on pages of `paper`, as the PDF prints it.
class PagedReport {
public:
    PagedReport(const ReportDocument& document, Paper paper);
    ~PagedReport();

    int pageCount() const;
    // Its layout, for looking at where things fall on the pages.
    const QTextDocument& layout() const { return *m_layout; }
    // Height of one page of text in the layout's units, and the top of each page.
    qreal pageHeight() const;
    const std::vector<qreal>& pageStarts() const { return m_plan.starts; }
    // Per page, the top and bottom of the header rows it repeats above its text (equal: none).
    const std::vector<std::pair<qreal, qreal>>& repeatedHeaders() const { return m_plan.headers; }
    // The PDF's bytes; each page carries the title and "Page n of N" at its foot.
    QByteArray pdf();

private:
    struct Writer;
    std::unique_ptr<Writer> m_writer;
    std::unique_ptr<QTextDocument> m_layout;
    PagePlan m_plan;
    QString m_title;
};

} // namespace zel::report
