#include "report/report_output.h"

#include "report/html_text.h"
#include "report/page_breaks.h"
#include "report/report_builder.h"
#include "report/report_texts.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace zel::report {

namespace {

constexpr int kResolution = 300;     // dots per inch of the layout; the text stays vector
constexpr qreal kMarginMm = 15;      // on every side
constexpr qreal kFooterPoints = 16;  // below the text of each page, for the page number
constexpr qreal kFooterFontSize = 7; // points

QString htmlPage(const ReportDocument& document, const QString& body, const QString& styleSheet)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n%3</body>\n"
                          "</html>\n")
        .arg(htmlOf(document.title), styleSheet, body);
}

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QPageSize pageSizeOf(Paper paper)
{
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

std::optional<ReportFormat> reportFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ReportFormat::Html;
    if (suffix == QLatin1String("pdf"))
        return ReportFormat::Pdf;
    return std::nullopt;
}

Paper paperOf(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ||
                   locale.territory() == QLocale::Canada
               ? Paper::Letter
               : Paper::A4;
}

QByteArray reportHtmlFile(const ReportDocument& document)
{
    QString body = document.html;
    for (auto image = document.images.cbegin(); image != document.images.cend(); ++image)
        body.replace(QStringLiteral("src=\"%1\"").arg(image.key()),
                     QStringLiteral("src=\"data:image/png;base64,%1\"")
                         .arg(QLatin1String(pngOf(image.value()).toBase64())));
    return htmlPage(document, body, reportStyleSheet() + browserStyleSheet()).toUtf8();
}

QByteArray reportFileBytes(const ReportDocument& document, ReportFormat format, Paper paper)
{
    return format == ReportFormat::Html ? reportHtmlFile(document)
                                        : PagedReport(document, paper).pdf();
}

// The PDF writer the layout measures with and paints on, and the bytes it writes.
struct PagedReport::Writer {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter pdf{&buffer};
};

PagedReport::PagedReport(const ReportDocument& document, Paper paper)
    : m_writer(std::make_unique<Writer>()), m_layout(std::make_unique<QTextDocument>()),
      m_title(document.title)
{
    m_writer->buffer.open(QIODevice::WriteOnly);
    QPdfWriter& pdf = m_writer->pdf;
    pdf.setResolution(kResolution);
    pdf.setPageLayout(QPageLayout(pageSizeOf(paper), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setTitle(document.title);
    pdf.setCreator(QStringLiteral("ZEL Configuration"));

    // Laid out on the writer itself, so that fonts, pictures and page breaks are measured as
    // they will be printed.
    m_layout->documentLayout()->setPaintDevice(&pdf);
    m_layout->setDocumentMargin(0);
    for (auto image = document.images.cbegin(); image != document.images.cend(); ++image)
        m_layout->addResource(QTextDocument::ImageResource, QUrl(image.key()), image.value());
    m_layout->setHtml(htmlPage(document, document.html, reportStyleSheet()));
    // One long page, cut into pages between rows and lines.
    m_layout->setTextWidth(pdf.width());
    m_plan = report::pagePlan(*m_layout, pageHeight());
}

PagedReport::~PagedReport() = default;

qreal PagedReport::pageHeight() const
{
    return m_writer->pdf.height() - kFooterPoints * kResolution / 72.0;
}

int PagedReport::pageCount() const
{
    return static_cast<int>(m_plan.starts.size());
}

QByteArray PagedReport::pdf()
{
    QPdfWriter& pdf = m_writer->pdf;
    const qreal width = pdf.width();
    const qreal height = pageHeight();
    const int pages = pageCount();
    QPainter painter(&pdf);
    // The EQ curves carry their band labels: kept sharp (Flate), never blurred into a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    QFont footerFont = m_layout->defaultFont();
    footerFont.setPointSizeF(kFooterFontSize);
    const qreal end = m_layout->documentLayout()->documentSize().height();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            pdf.newPage();
        const auto at = static_cast<std::size_t>(page);
        const qreal top = m_plan.starts[at];
        const qreal bottom = page + 1 < pages ? m_plan.starts[at + 1] : end;
        // A table that goes on from the page before shows its header rows again first.
        const auto [headerTop, headerBottom] = m_plan.headers[at];
        const qreal header = headerBottom - headerTop;
        if (header > 0) {
            painter.save();
            painter.translate(0, -headerTop);
            m_layout->drawContents(&painter, QRectF(0, headerTop, width, header));
            painter.restore();
        }
        painter.save();
        painter.translate(0, header - top);
        m_layout->drawContents(&painter, QRectF(0, top, width, bottom - top));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        const QRectF footer(0, height, width, pdf.height() - height);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, m_title);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         ReportText::tr("Page %1 of %2").arg(page + 1).arg(pages));
    }
    painter.end();
    m_writer->buffer.close();
    return m_writer->bytes;
}

} // namespace zel::report
