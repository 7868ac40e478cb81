// The report of a filled ZEL-16 and of an edge ZEL-8 (empty, 16-character, markup and 8-bit
// names): what each section says, that names stay text, and how the PDF falls on its pages.

#include "link/filled_configuration.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/templates.h"
#include "report/eq_curve.h"
#include "report/report_builder.h"
#include "report/report_memory.h"
#include "report/report_output.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

#include <algorithm>

namespace zel::report {
namespace {

using model::ConfigModel;

// The filled ZEL-16 with a zone in each EQ mode, and what it was before those edits.
ConfigModel filledEarlier()
{
    return test::filledZel16();
}

ConfigModel filled()
{
    ConfigModel config = filledEarlier();
    config.zoneAudio(2).eqMode = model::kEqModePreset;
    config.zoneAudio(2).systemEqPreset = 2; // the third name in the window's preset box
    config.zoneAudio(3).eqMode = model::kEqModeTone;
    config.zoneAudio(3).bass = -6; // held reversed: a boost of 6 dB
    config.zoneAudio(3).treble = 4;
    config.zoneAudio(4).eqMode = model::kEqModeLowpass;
    config.zoneAudio(4).lowpass = 120;
    config.zoneAudio(5).volumeLocked = true;
    config.zoneAudio(6).eqMode = model::kEqModeDisabled;
    config.zoneAudio(7).audioKnown = false;
    config.network().dhcp = true;
    return config;
}

const std::string kMarkup = "<b>A&B</b>\"'%1"; // 16 characters
const std::string kEightBit = "K\xfc"
                              "che Caf\xe9";

ConfigModel edge()
{
    ConfigModel config;
    model::LogLines log;
    for (const std::string& line : model::templateLines(model::UnitSize::Zel8))
        model::readLine(config, line, log);
    config.setZoneName(1, "");
    config.setZoneName(2, "Sixteen chars ok");
    config.setZoneName(3, kMarkup);
    config.setSourceName(1, kEightBit);
    config.setFavoriteName(1, kMarkup);
    config.setGroupName(1, kEightBit);
    config.preset(1).name = kMarkup;
    config.network().dhcp = false;
    config.network().ipAddress = "10.0.0.<9>";
    config.setConnection(1, 2, 3, "A");
    config.setGroupMark(4, 8, "G");
    return config;
}

// Of a size no unit is made in: 12 zones, 10 sources.
ConfigModel oddSized()
{
    ConfigModel config;
    model::LogLines log;
    for (const std::string& line : {"[NO12\"Hall\"]", "[NI10\"Tuner\"]"})
        model::readLine(config, line, log);
    return config;
}

struct Report {
    ReportDocument document;
    QString text; // the HTML file as a browser shows its text
    QByteArray html;
};

const ReportParticulars kParticulars{"Harbour House", "J. Smith", "Alex Installer"};

Report makeReport(const ConfigModel& config, const ConfigModel* earlier,
                  const ReportParticulars& particulars = {}, const QString& notes = {},
                  const QString& unit = {}, const QString& unitName = {})
{
    Report report;
    report.document = buildReport({&config, QStringLiteral("file 'site.zel'"),
                                   QDateTime(QDate(2026, 12, 9), QTime(14, 5)), earlier,
                                   QStringLiteral("unit tcp:unit.local on 2026-12-08 at 17:40"),
                                   particulars, notes, unit, unitName});
    report.html = reportHtmlFile(report.document);
    QTextDocument shown;
    shown.setHtml(QString::fromUtf8(report.html));
    report.text = QLatin1Char('\n') + shown.toPlainText();
    return report;
}

// The text between a section's heading and the next one of the list.
QString section(const QString& text, const QString& heading, const QString& next)
{
    const qsizetype start = text.indexOf(QLatin1Char('\n') + heading + QLatin1Char('\n'));
    const qsizetype end = next.isEmpty() ? text.size() : text.indexOf(next, start + 1);
    return start < 0 || end < 0 ? QString() : text.mid(start, end - start);
}

TEST(Report, EverySectionSaysWhatTheConfigurationHolds)
{
    const ConfigModel filledBefore = filledEarlier();
    const Report full = makeReport(filled(), &filledBefore, kParticulars,
                                   "Gate code 1234\r\nKeys with <the> neighbour\n\nThanks",
                                   "tcp:unit.local:23", "Lobby");
    const Report narrow = makeReport(edge(), nullptr);
    const Report odd = makeReport(oddSized(), nullptr);
    const QString eightBit = QString::fromLatin1(kEightBit.data());
    const QString markup = QString::fromLatin1(kMarkup.data());
    const QString asLeft = "The configuration as left";

    struct Case {
        const Report* report;
        QString heading, next; // the section, and the heading after it
        QStringList present;   // in this order
        QStringList absent = {};
    };
    const Case cases[] = {
        {&full,
         "Harbour House",
         "Notes",
         {"Handover report of Lobby, a ZEL-16 configuration", "Site\nHarbour House",
          "Client\nJ. Smith", "Installer\nAlex Installer", "Name\nLobby",
          "Unit\nZEL-16 (16 zones, 16 sources)", "Link\ntcp:unit.local:23",
          "Configuration from\nfile 'site.zel'", "2026-12-09 14:05",
          "Changes since\nunit tcp:unit.local on 2026-12-08 at 17:40"}},
        {&narrow,
         "ZEL-8 configuration",
         asLeft,
         {"Handover report of the ZEL-8 configuration", "ZEL-8 (8 zones, 8 sources)"},
         {"Changes", "Site", "Client", "Link", "Notes"}},
        {&odd,
         "12 zones, 10 sources configuration",
         asLeft,
         {"Handover report of the 12 zones, 10 sources configuration",
          "Unit\n12 zones, 10 sources\n"},
         {"(12 zones"}},
        {&full, "Notes", "Changes", {"Gate code 1234\nKeys with <the> neighbour\nThanks"}, {"\r"}},
        {&full,
         "Changes",
         asLeft,
         {"Since unit tcp:unit.local on 2026-12-08 at 17:40:", "DHCP on (was off)",
          "Zone 2 Room 2 east EQ preset Preset 3 Preset 21", "Zone 4 Room 4 east lowpass 120 Hz",
          "Zone 5 Room 5 east volume locked", "Zone 7 Room 7 east: audio settings no longer set"}},
        {&full,
         "Source and zone names",
         "Favorite and group names",
         {"No.\nSource\nZone", "1\nInput 1\nRoom 1 east", "16\nInput 16\nRoom 16 east"}},
        {&narrow,
         "Source and zone names",
         "Favorite and group names",
         {eightBit, "(no name)", "Sixteen chars ok", markup},
         {"Input 9", "\n9\n"}},
        {&full,
         "Favorite and group names",
         "Zone audio",
         {"No.\nFavorite\nGroup", "1\nScene 1\nArea 1", "10\nScene 10\nArea 10"}},
        {&narrow, "Favorite and group names", "Zone audio", {"1\n" + markup + "\n" + eightBit}},
        {&full,
         "Zone audio",
         "ZEL EQ presets",
         {"1 Room 1 east", "-3 dB", "left 1 dB", "ZQ Mode", "Preset Mode", "Preset 3: Preset 21",
          "Tone Controls", "Bass +6 dB, treble -4 dB", "Lowpass 120 Hz", "locked",
          "EQ/Tone Disabled", "7 Room 7 east", "no audio settings"}},
        {&narrow, "Zone audio", "ZEL EQ presets", {"(no name)", markup}},
        {&full,
         "ZEL EQ presets",
         "Favorites",
         {"1 Preset 7", "2 Preset 14", "9 Preset 63", "10 Preset 70"}},
        {&narrow, "ZEL EQ presets", "Favorites", {"1 " + markup}},
        {&full,
         "Favorites",
         "Groups",
         {"Favorite 1 Scene 1", "Zone\nSource", "1 Room 1 east\n3 Input 3",
          "16 Room 16 east\n2 Input 2", "Favorite 10 Scene 10"},
         {"No zone plays a source."}},
        {&narrow,
         "Favorites",
         "Groups",
         {"Favorite 1 " + markup, "3 " + markup + "\n2 Source Name 2", "Favorite 2 Favorite Name 2",
          "No zone plays a source."},
         {"1 (no name)\n"}},
        {&full,
         "Groups",
         "Network and front panel",
         {"Zone\n1\nArea 1", "10\nArea 10", "1 Room 1 east\n\nG\n\n\nG\n", "16 Room 16 east"},
         {"Groups without zones"}},
        {&narrow,
         "Groups",
         "Network and front panel",
         {"Zone\n4\nGroup Name 4", "8 Zone Name 8\nG",
          "Groups without zones: Group 1 " + eightBit + ", Group 2 Group Name 2"},
         {"\n1 (no name)", "\n7 Zone Name 7", "\n3\nGroup Name 3"}},
        {&full,
         "Network and front panel",
         "",
         {"DHCP\non", "Front-panel lock\non", "Display brightness\n50%"},
         {"192.0.2.40"}},
        {&narrow,
         "Network and front panel",
         "",
         {"DHCP\noff", "IP address\n10.0.0.<9>", "Display brightness\n100%"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading.toStdString() + (c.report == &full  ? " (filled)"
                                                : c.report == &odd ? " (odd-sized)"
                                                                   : " (edge)"));
        const QString text = section(c.report->text, c.heading, c.next);
        ASSERT_FALSE(text.isEmpty()) << c.report->text.toStdString();
        qsizetype at = 0;
        for (const QString& expected : c.present) {
            at = text.indexOf(expected, at);
            EXPECT_GE(at, 0) << "missing or out of order: " << expected.toStdString() << "\n"
                             << text.toStdString();
        }
        for (const QString& unwanted : c.absent)
            EXPECT_FALSE(text.contains(unwanted)) << unwanted.toStdString();
    }

    // Names are text in the file: no name's markup is markup, the file says how it is encoded,
    // and it needs nothing beside it.
    EXPECT_FALSE(narrow.html.contains("<b>A&B"));
    EXPECT_TRUE(narrow.html.contains("&lt;b&gt;A&amp;B&lt;/b&gt;&quot;&#39;%1"));
    EXPECT_TRUE(narrow.html.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(narrow.html.contains(eightBit.toUtf8()));
    EXPECT_FALSE(full.html.contains("src=\"eq")) << "a picture not inlined";
    EXPECT_TRUE(full.html.contains("src=\"data:image/png;base64,"));
    EXPECT_TRUE(full.html.contains("<title>Harbour House: Lobby configuration</title>"));
    EXPECT_TRUE(full.html.contains("Keys with &lt;the&gt; neighbour"));
    // Printed, the configuration as left starts a page of its own.
    EXPECT_TRUE(full.html.contains("@media print"));
    EXPECT_TRUE(full.html.contains("<h1 class=\"part\" style=\"page-break-before: always\">"));
}

// Page boxes of the PDF, and its pages as objects.
int pdfPageCount(const QByteArray& pdf)
{
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(Report, PdfPagesBreakBetweenRowsOnA4AndLetter)
{
    const ConfigModel filledBefore = filledEarlier();
    const ConfigModel full = filled();
    const ConfigModel narrow = edge();
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    struct Case {
        const ConfigModel* config;
        const ConfigModel* earlier;
        Paper paper;
        const char* mediaBox;
        int minPages;
    };
    const Case cases[] = {
        {&full, &filledBefore, Paper::A4, "0 0 595.000000 842.000000", 5},
        {&full, &filledBefore, Paper::Letter, "0 0 612.000000 792.000000", 5},
        {&narrow, nullptr, Paper::A4, "0 0 595.000000 842.000000", 3},
        {&narrow, nullptr, Paper::Letter, "0 0 612.000000 792.000000", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mediaBox) + (c.config == &full ? " filled" : " edge"));
        const ReportDocument document = makeReport(*c.config, c.earlier).document;
        PagedReport paged(document, c.paper);
        const QTextDocument& layout = paged.layout();
        // No cell of a table, and so no row, straddles the foot of a page, and every page is
        // full but for what the next would cut.
        const std::vector<qreal>& starts = paged.pageStarts();
        const auto pageOf = [&](qreal y) {
            return std::upper_bound(starts.begin(), starts.end(), y) - starts.begin();
        };
        const auto boxOf = [&](const QTextBlock& block) {
            return layout.documentLayout()->blockBoundingRect(block);
        };
        bool asLeftOnItsPage = false;
        for (QTextBlock block = layout.begin(); block.isValid(); block = block.next()) {
            const QRectF box = boxOf(block);
            QTextTable* table = QTextCursor(block).currentTable();
            if (block.text() == "The configuration as left")
                asLeftOnItsPage =
                    std::find(starts.begin(), starts.end(), box.top()) != starts.end();
            if (!table)
                continue;
            EXPECT_EQ(pageOf(box.top()), pageOf(box.bottom() - 1))
                << block.text().toStdString() << " at " << box.top() << ".." << box.bottom();
            // A header row stands on the page of the row below it.
            const QTextTableCell cell = table->cellAt(block.position());
            if (cell.row() == 0 && table->format().headerRowCount() == 1 && table->rows() > 1) {
                const QRectF below =
                    boxOf(table->cellAt(1, cell.column()).firstCursorPosition().block());
                EXPECT_EQ(pageOf(box.top()), pageOf(below.top())) << block.text().toStdString();
            }
        }
        EXPECT_TRUE(asLeftOnItsPage);
        // Every page is full but for what the next would cut, the summary's page aside.
        for (std::size_t page = 1; page < starts.size(); ++page) {
            EXPECT_LE(starts[page] - starts[page - 1], paged.pageHeight());
            EXPECT_TRUE(page == 1 || starts[page] - starts[page - 1] > paged.pageHeight() * 0.7)
                << "page " << page + 1;
        }
        const int pages = paged.pageCount();
        EXPECT_GE(pages, c.minPages);
        const QByteArray pdf = paged.pdf();
        EXPECT_EQ(pdfPageCount(pdf), pages);
        EXPECT_TRUE(pdf.contains(QByteArray("/MediaBox [") + c.mediaBox)) << c.mediaBox;

        // The names are text on the paper: they can be searched and copied.
        if (pdftotext.isEmpty())
            continue;
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("r.pdf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
        file.close();
        QProcess extract;
        extract.start(pdftotext, {file.fileName(), QStringLiteral("-")});
        ASSERT_TRUE(extract.waitForFinished());
        const QString text = QString::fromUtf8(extract.readAllStandardOutput());
        for (const std::string& name : {c.config->zoneName(2), c.config->sourceName(1)})
            EXPECT_TRUE(text.contains(QString::fromLatin1(name.data()))) << name;
        // A table that goes on over a page starts that page with its header row again.
        const QStringList pageTexts = text.split(QLatin1Char('\f'));
        int repeated = 0;
        for (int page = 0; page < pages; ++page) {
            const auto [top, bottom] = paged.repeatedHeaders()[static_cast<std::size_t>(page)];
            if (bottom <= top)
                continue;
            ++repeated;
            QTextCursor header(const_cast<QTextDocument*>(&layout));
            header.setPosition(layout.documentLayout()->hitTest(QPointF(2, top + 2), Qt::FuzzyHit));
            EXPECT_TRUE(pageTexts.value(page).trimmed().startsWith(header.block().text())) << page;
        }
        EXPECT_GE(repeated, c.config == &full ? 1 : 0);
    }
}

// Each band of a curve is labelled by its frequency below the curve: something is drawn under
// every band's place, whatever its level.
TEST(Report, EqCurvesLabelTheirBands)
{
    for (const BandLevels& bands : {BandLevels{}, BandLevels{-10, 10, -10, 10, -10, 10, -10}}) {
        const QImage curve = eqCurveImage(bands);
        for (int band = 0; band < model::kBands; ++band) { // the labels' row, below the plot
            const int centre = (curve.width() - 16) * band / (model::kBands - 1) + 8;
            bool inked = false;
            for (int y = curve.height() * 4 / 5; y < curve.height(); ++y)
                for (int x = std::max(0, centre - 6); x < std::min(curve.width(), centre + 6); ++x)
                    inked = inked || qGray(curve.pixel(x, y)) < 160;
            EXPECT_TRUE(inked) << "band " << band + 1;
        }
    }
}

// What the report dialog remembers beyond what the window's tests see of it: the folder and form
// of the last report, and a damaged file taken as empty and written anew.
TEST(ReportMemory, KeepsTheLastFolderAndFormAndOutlivesADamagedFile)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath("data/report.json");
    QDir().mkpath(folder.filePath("data"));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"units\": [") > 0);
    damaged.close();
    EXPECT_EQ(ReportMemory(file).particularsOf("tcp:a:23").installer, "");
    EXPECT_EQ(ReportMemory(file).remember("tcp:a:23", {"A", "B", "C"}, "/tmp/out/R.PDF"), "");
    const ReportMemory memory(file);
    EXPECT_EQ(memory.particularsOf("tcp:a:23").client, "B");
    EXPECT_EQ(memory.folder(), "/tmp/out");
    EXPECT_EQ(memory.suffix(), "pdf");
}

} // namespace
} // namespace zel::report
