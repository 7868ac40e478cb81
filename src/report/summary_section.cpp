// The report's first page: who and what it is for, and what changed in plain words.

#include "report/change_words.h"
#include "report/html_text.h"
#include "report/report_builder.h"
#include "report/report_request.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"
#include "text/latin1_text.h"

namespace zel::report {

namespace {

// The installer's notes as paragraphs, their line breaks kept.
QString notesHtml(const QString& notes)
{
    QStringList paragraphs;
    const QString text = QString(notes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString& paragraph : text.trimmed().split(QStringLiteral("\n\n")))
        if (!paragraph.trimmed().isEmpty())
            paragraphs << QStringLiteral("<p>%1</p>\n")
                              .arg(htmlOf(paragraph.trimmed())
                                       .replace(QLatin1Char('\n'), QLatin1String("<br>")));
    return paragraphs.join(QString());
}

void writeChanges(ReportWriter& out, const ReportRequest& request)
{
    out.heading(QStringLiteral("Changes"));
    const QStringList sentences = changeSentences(*request.earlier, *request.configuration);
    if (sentences.isEmpty()) {
        out.paragraph(
            QStringLiteral("Nothing changed since %1.").arg(htmlOf(request.earlierOrigin)));
        return;
    }
    out.paragraph(QStringLiteral("Since %1:").arg(htmlOf(request.earlierOrigin)));
    out.add(QStringLiteral("<ul class=\"changes\">\n"));
    for (const QString& sentence : sentences)
        out.add(QStringLiteral("<li>%1</li>\n").arg(htmlOf(sentence)));
    out.add(QStringLiteral("</ul>\n"));
}

} // namespace

void writeSummary(ReportWriter& out, const ReportRequest& request)
{
    const model::ConfigModel& configuration = *request.configuration;
    const ReportParticulars& who = request.particulars;
    const QString size = unitSizeText(configuration);
    out.add(QStringLiteral("<h1>%1</h1>\n")
                .arg(who.site.trimmed().isEmpty() ? QStringLiteral("%1 configuration").arg(size)
                                                  : htmlOf(who.site.trimmed())));
    out.add(QStringLiteral("<p class=\"subtitle\">Handover report of the %1 configuration</p>\n")
                .arg(size));
    out.beginTable({}, QStringLiteral("facts"));
    const auto fact = [&](const QString& label, const QString& text) {
        if (!text.trimmed().isEmpty())
            out.row({label, htmlOf(text.trimmed())});
    };
    fact(QStringLiteral("Site"), who.site);
    fact(QStringLiteral("Client"), who.client);
    fact(QStringLiteral("Installer"), who.installer);
    // A unit of a named model with its counts; another size is said by its counts alone.
    const model::UnitModel unit = shownUnitModel(configuration);
    const QString counts = text::fromLatin1(model::unitCountsText(unit));
    fact(QStringLiteral("Unit"), model::unitProductName(unit).empty()
                                     ? counts
                                     : QStringLiteral("%1 (%2)").arg(size, counts));
    fact(QStringLiteral("Link"), request.unit);
    fact(QStringLiteral("Configuration from"), request.origin);
    fact(QStringLiteral("Date"), request.date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (request.earlier)
        fact(QStringLiteral("Changes since"), request.earlierOrigin);
    out.endTable();
    if (!request.notes.trimmed().isEmpty()) {
        out.heading(QStringLiteral("Notes"));
        out.add(notesHtml(request.notes));
    }
    if (request.earlier)
        writeChanges(out, request);
}

void writeConfigurationHeading(ReportWriter& out)
{
    out.add(QStringLiteral("<h1 class=\"part\" style=\"page-break-before: always\">"
                           "The configuration as left</h1>\n"));
}

} // namespace zel::report
