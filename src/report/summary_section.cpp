// The report's first page: who and what it is for, and what changed in plain words.

#include "report/change_words.h"
#include "report/html_text.h"
#include "report/report_builder.h"
#include "report/report_request.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"
#include "report/report_texts.h"
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

} // namespace

void beginFacts(ReportWriter& out, const ReportParticulars& who)
{
    out.beginTable({}, QStringLiteral("facts"));
    writeFact(out, ReportText::tr("Site"), who.site);
    writeFact(out, ReportText::tr("Client"), who.client);
    writeFact(out, ReportText::tr("Installer"), who.installer);
}

void writeFact(ReportWriter& out, const QString& label, const QString& text)
{
    if (!text.trimmed().isEmpty())
        out.row({label, htmlOf(text.trimmed())});
}

void writeSummary(ReportWriter& out, const ReportRequest& request)
{
    const model::ConfigModel& configuration = *request.configuration;
    const ReportParticulars& who = request.particulars;
    const QString size = unitSizeText(configuration);
    const QString shown = request.shownUnit();
    const QString heading = !who.site.trimmed().isEmpty() ? who.site.trimmed()
                            : !shown.isEmpty()            ? shown
                                               : ReportText::tr("%1 configuration").arg(size);
    out.add(QStringLiteral("<h1>%1</h1>\n").arg(htmlOf(heading)));
    out.add(QStringLiteral("<p class=\"subtitle\">%1</p>\n")
                .arg(shown.isEmpty()
                         ? ReportText::tr("Handover report of the %1 configuration").arg(size)
                         : htmlOf(ReportText::tr("Handover report of %1, a %2 configuration")
                                      .arg(shown, size))));
    beginFacts(out, who);
    // A unit of a named model with its counts; another size is said by its counts alone.
    const model::UnitModel unit = shownUnitModel(configuration);
    const QString counts = text::fromLatin1(model::unitCountsText(unit));
    if (!request.unitName.trimmed().isEmpty())
        writeFact(out, ReportText::tr("Name"), request.unitName);
    writeFact(out, ReportText::tr("Unit"),
              model::unitProductName(unit).empty() ? counts
                                                   : QStringLiteral("%1 (%2)").arg(size, counts));
    writeFact(out, ReportText::tr("Link"), request.unit);
    writeFact(out, ReportText::tr("Configuration from"), request.origin);
    writeFact(out, ReportText::tr("Date"),
              request.date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (request.earlier)
        writeFact(out, ReportText::tr("Changes since"), request.earlierOrigin);
    out.endTable();
    writeNotes(out, request.notes);
    if (request.earlier) {
        out.heading(ReportText::tr("Changes"));
        writeChangeList(out, changeSentences(*request.earlier, *request.configuration),
                        request.earlierOrigin);
    }
}

void writeNotes(ReportWriter& out, const QString& notes)
{
    if (notes.trimmed().isEmpty())
        return;
    out.heading(ReportText::tr("Notes"));
    out.add(notesHtml(notes));
}

void writeChangeList(ReportWriter& out, const QStringList& sentences, const QString& since)
{
    if (sentences.isEmpty()) {
        out.paragraph(ReportText::tr("Nothing changed since %1.").arg(htmlOf(since)));
        return;
    }
    out.paragraph(ReportText::tr("Since %1:").arg(htmlOf(since)));
    out.add(QStringLiteral("<ul class=\"changes\">\n"));
    for (const QString& sentence : sentences)
        out.add(QStringLiteral("<li>%1</li>\n").arg(htmlOf(sentence)));
    out.add(QStringLiteral("</ul>\n"));
}

void writePartHeading(ReportWriter& out, const QString& text)
{
    out.add(QStringLiteral("<h1 class=\"part\" style=\"page-break-before: always\">%1</h1>\n")
                .arg(htmlOf(text)));
}

void writeConfigurationHeading(ReportWriter& out)
{
    writePartHeading(out, ReportText::tr("The configuration as left"));
}

} // namespace zel::report
