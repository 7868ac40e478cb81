// report: the handover report of a configuration, as an HTML file or a PDF.

#include "arguments.h"
#include "config_side.h"
#include "device_options.h"
#include "tool_command.h"

#include "model/config_model.h"
#include "model/unit_model.h"
#include "report/report_builder.h"
#include "report/report_output.h"
#include "text/file_save.h"

#include <QString>

namespace zel::tool {

namespace {

// --paper, or the paper of the user's locale.
std::optional<report::Paper> paperOf(const Arguments& arguments)
{
    if (!arguments.paper)
        return report::paperOf(QLocale::system());
    const QString paper = QString::fromStdString(*arguments.paper).toLower();
    if (paper == QLatin1String("a4"))
        return report::Paper::A4;
    if (paper == QLatin1String("letter"))
        return report::Paper::Letter;
    return std::nullopt;
}

int runReport(const Arguments& arguments)
{
    if (!arguments.output)
        return fail(kExitUsage, "report: name the report file with -o OUT.html or -o OUT.pdf");
    const QString output = QString::fromLocal8Bit(arguments.output->c_str());
    const std::optional<report::ReportFormat> format = report::reportFormatOf(output);
    if (!format)
        return fail(kExitUsage, "report: the report file must end in .html or .pdf, not '" +
                                    *arguments.output + "'");
    const std::optional<report::Paper> paper = paperOf(arguments);
    if (!paper)
        return fail(kExitUsage,
                    "report: unknown paper size '" + *arguments.paper + "' (use A4 or Letter)");
    std::string error;
    const std::optional<TransferOptions> options = transferOptionsOf(arguments, error);
    if (!options)
        return fail(kExitUsage, "report: " + error);
    const std::string& side = arguments.positional[0];
    if (arguments.changesFrom && side == "-" && *arguments.changesFrom == "-")
        return fail(kExitUsage, "report: standard input can be only one configuration");

    model::ConfigModel configuration;
    model::ConfigModel earlier;
    if (!readSide(side, *options, configuration) ||
        (arguments.changesFrom && !readSide(*arguments.changesFrom, *options, earlier)))
        return kExitUsage;

    // Changes between two models compare zones and sources that one of them does not have.
    if (arguments.changesFrom &&
        model::otherModels(model::unitModelOf(earlier), model::unitModelOf(configuration)))
        fail(kExitOk, "report: " + originOf(*arguments.changesFrom) + " is a configuration for a " +
                          model::unitModelName(*model::unitModelOf(earlier)) + ", " +
                          originOf(side) + " one for a " +
                          model::unitModelName(*model::unitModelOf(configuration)) +
                          ": the changes are those between two models");
    const report::ReportDocument document = report::buildReport(
        {&configuration, QString::fromLocal8Bit(originOf(side).c_str()),
         QDateTime::currentDateTime(), arguments.changesFrom ? &earlier : nullptr,
         arguments.changesFrom ? QString::fromLocal8Bit(originOf(*arguments.changesFrom).c_str())
                               : QString()});
    const QByteArray bytes = *format == report::ReportFormat::Html
                                 ? report::reportHtmlFile(document)
                                 : report::PagedReport(document, *paper).pdf();
    const QString saveError = text::saveWholeFile(output, bytes);
    if (!saveError.isEmpty())
        return fail(kExitFailure, "cannot write '" + *arguments.output +
                                      "': " + saveError.toStdString() +
                                      " (any existing file is unchanged)");
    return kExitOk;
}

constexpr std::string_view kReportDetails =
    "Writes the configuration as a document for the client: the unit's size, where the\n"
    "configuration came from and the date; source and zone names; favorite and group names;\n"
    "each zone's volume, balance and EQ (the ten bands drawn as a curve, bass and treble, the\n"
    "preset or the lowpass); the ten ZEL EQ presets; the favorites and groups as tables; the\n"
    "network, the front-panel and IR lockouts and the display brightness.\n"
    "\n"
    "CONFIG is a configuration file, \"-\" for standard input, or a unit, whose configuration\n"
    "is imported first: tcp:HOST[:PORT] or serial:DEVICE, as diff takes them.\n"
    "--changes-from OLD adds a \"Changes\" section: every setting that differs from OLD (a\n"
    "file or a unit), with its value before and after, as diff prints them. When OLD is for\n"
    "another model (a ZEL-8 and a ZEL-16), standard error says so.\n"
    "\n"
    "OUT ending in .html gives one HTML file that holds everything it shows (the curves\n"
    "too); ending in .pdf a PDF whose pages break between table rows. --paper A4|Letter\n"
    "chooses the PDF's paper; without it the paper of the user's locale is used.\n"
    "--timeout SECONDS and --verbose work as for import.\n"
    "\n"
    "Exit status: 0 written, 1 the report file could not be written (an existing file is\n"
    "unchanged), 2 bad usage or a configuration that cannot be read.";

} // namespace

void addReportCommands(CommandTable& table)
{
    table.push_back({"report", "CONFIG [--changes-from OLD] -o OUT.html|OUT.pdf",
                     "write the configuration as a report for the client, with what changed",
                     kOptionOutput | kOptionTransfer | kOptionReport, 1, runReport, kReportDetails,
                     true});
}

} // namespace zel::tool
