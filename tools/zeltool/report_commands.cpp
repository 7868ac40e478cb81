// report: the handover report of a configuration, as an HTML file or a PDF.

#include "arguments.h"
#include "config_side.h"
#include "device_options.h"
#include "tool_command.h"
#include "transfer_journal.h"

#include "model/config_model.h"
#include "model/unit_model.h"
#include "report/report_builder.h"
#include "report/report_output.h"
#include "text/file_save.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringDecoder>

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

// The most of a notes file that is read: a few paragraphs for the client, not a document.
constexpr qint64 kNotesLimit = 64 * 1024;

QString localText(const std::optional<std::string>& text)
{
    return text ? QString::fromLocal8Bit(text->c_str()) : QString();
}

// The notes file as text: UTF-8, or Latin-1 when it is not valid UTF-8. Nothing, with `error`
// set, when it cannot be read or is too long.
std::optional<QString> readNotes(const std::string& path, std::string& error)
{
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read the notes file '" + path + "': " + file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kNotesLimit + 1);
    if (bytes.size() > kNotesLimit) {
        error = "the notes file '" + path + "' is longer than " + std::to_string(kNotesLimit) +
                " bytes";
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// OLD as the report names it, with a date and time: a file's of when it was saved, a unit's of
// the fetch that is made now.
QString earlierName(const std::string& side, const QDateTime& now)
{
    const QString name = QString::fromLocal8Bit(originOf(side).c_str());
    const QString format = QStringLiteral("yyyy-MM-dd 'at' HH:mm");
    if (parseSide(side))
        return QStringLiteral("%1 fetched on %2").arg(name, now.toString(format));
    const QFileInfo file(QString::fromLocal8Bit(side.c_str()));
    if (side == "-" || !file.isFile())
        return name;
    return QStringLiteral("%1 of %2").arg(name, file.lastModified().toString(format));
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

    std::optional<QString> notes;
    if (arguments.notes && !(notes = readNotes(*arguments.notes, error)))
        return fail(kExitUsage, "report: " + error);

    model::ConfigModel configuration;
    model::ConfigModel earlier;
    // A unit's configuration is read for the report as an import reads it.
    if (!readSide(side, *options, configuration, journal::Cause::Import) ||
        (arguments.changesFrom &&
         !readSide(*arguments.changesFrom, *options, earlier, journal::Cause::Import)))
        return kExitUsage;

    // Changes between two models compare zones and sources that one of them does not have.
    if (arguments.changesFrom &&
        model::otherModels(model::unitModelOf(earlier), model::unitModelOf(configuration)))
        fail(kExitOk, "report: " + originOf(*arguments.changesFrom) + " is a configuration for a " +
                          model::unitModelName(*model::unitModelOf(earlier)) + ", " +
                          originOf(side) + " one for a " +
                          model::unitModelName(*model::unitModelOf(configuration)) +
                          ": the changes are those between two models");
    const std::optional<LinkTarget> unit = parseSide(side);
    const QDateTime now = QDateTime::currentDateTime();
    const report::ReportDocument document = report::buildReport({
        .configuration = &configuration,
        .origin = QString::fromLocal8Bit(originOf(side).c_str()),
        .date = now,
        .earlier = arguments.changesFrom ? &earlier : nullptr,
        .earlierOrigin =
            arguments.changesFrom ? earlierName(*arguments.changesFrom, now) : QString(),
        .particulars = {localText(arguments.site), localText(arguments.client),
                        localText(arguments.installer)},
        .notes = notes.value_or(QString()),
        .unit = unit ? journalUnit(*unit) : QString(),
    });
    const QString saveError =
        text::saveWholeFile(output, report::reportFileBytes(document, *format, *paper));
    if (!saveError.isEmpty())
        return fail(kExitFailure, "cannot write '" + *arguments.output +
                                      "': " + saveError.toStdString() +
                                      " (any existing file is unchanged)");
    return kExitOk;
}

constexpr std::string_view kReportDetails =
    "Writes the configuration as a document for the client. Its first page is a summary: the\n"
    "site, the client and the installer, the unit's size and link, where the configuration\n"
    "came from and the date, the notes, and what changed since OLD in plain words with\n"
    "names (\"Zone 4 Terrace renamed Lounge\"). Then the configuration as left, on a page\n"
    "of its own: source and zone names; favorite and group names; each zone's volume,\n"
    "balance and EQ (the ten bands drawn as a curve, bass and treble, the preset or the\n"
    "lowpass); the ten ZEL EQ presets; each favorite's zones and the source each plays; the\n"
    "groups' zones; the network, the front-panel and IR lockouts and the display brightness.\n"
    "\n"
    "CONFIG is a configuration file, \"-\" for standard input, or a unit, whose configuration\n"
    "is imported first: tcp:HOST[:PORT] or serial:DEVICE, as diff takes them.\n"
    "--changes-from OLD (a file or a unit) adds the changes since OLD to the summary; when\n"
    "OLD is for another model (a ZEL-8 and a ZEL-16), standard error says so.\n"
    "--site S, --client C and --installer I name who the report is for and who made it;\n"
    "--notes FILE adds the text of FILE (UTF-8, at most 64 KiB) as notes for the client.\n"
    "\n"
    "OUT ending in .html gives one HTML file that holds everything it shows (the curves\n"
    "too); ending in .pdf a PDF whose pages break between table rows. --paper A4|Letter\n"
    "chooses the PDF's paper; without it the paper of the user's locale is used.\n"
    "--timeout SECONDS and --verbose work as for import.\n"
    "\n"
    "Exit status: 0 written, 1 the report file could not be written (an existing file is\n"
    "unchanged), 2 bad usage, or a configuration or notes file that cannot be read.";

} // namespace

void addReportCommands(CommandTable& table)
{
    table.push_back({"report",
                     "CONFIG [--changes-from OLD] [--site S] [--client C] [--installer I] "
                     "[--notes FILE] -o OUT.html|OUT.pdf",
                     "write the configuration as a report for the client, with what changed",
                     kOptionOutput | kOptionTransfer | kOptionReport, 1, runReport, kReportDetails,
                     true});
}

} // namespace zel::tool
