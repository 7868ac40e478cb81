#include "report_shots.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "report/report_builder.h"
#include "report/report_output.h"
#include "report/site_report.h"
#include "text/file_save.h"
#include "ui/report/report_dialog.h"
#include "ui/report/report_saving.h"
#include "ui/window/main_window.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdio>

namespace {

const QString kUnit = QStringLiteral("tcp:192.168.1.40:23");
const zel::report::ReportParticulars kParticulars{QStringLiteral("Harbour House"),
                                                  QStringLiteral("J. & M. Smith"),
                                                  QStringLiteral("Alex Fischer")};

// The site's report beside it: the edited unit, one the visit left as it was, one never fetched.
bool saveSiteReport(const zel::model::ConfigModel& edited, const zel::model::ConfigModel& earlier,
                    const QDateTime& fetched, const QString& path)
{
    const QString since = QStringLiteral("the configuration fetched from %1 on %2 (site backup)");
    const QString now = QStringLiteral("the configuration fetched from %1 on %2 (compare)");
    const auto at = [](const QDateTime& when) {
        return when.toString(QStringLiteral("yyyy-MM-dd 'at' HH:mm:ss"));
    };
    const QString bar = QStringLiteral("tcp:192.168.1.41:23");
    const QDateTime later = fetched.addSecs(5400);
    const zel::report::SiteReportRequest request{
        kParticulars,
        QStringLiteral("Gate code 1234. Call us on 555-0100."),
        QDateTime::currentDateTime(),
        {{QStringLiteral("Lobby"),
          kUnit,
          &edited,
          now.arg(kUnit, at(later)),
          &earlier,
          since.arg(kUnit, at(fetched)),
          {}},
         {QStringLiteral("Main Bar"),
          bar,
          &earlier,
          now.arg(bar, at(later)),
          &earlier,
          since.arg(bar, at(fetched)),
          {}},
         {QStringLiteral("Cellar"),
          QStringLiteral("tcp:192.168.1.42:23"),
          nullptr,
          {},
          nullptr,
          {},
          QStringLiteral("never fetched")}}};
    const QString error = zel::text::saveWholeFile(
        path, zel::report::reportFileBytes(zel::report::buildSiteReport(request),
                                           zel::report::ReportFormat::Pdf, zel::report::Paper::A4));
    if (!error.isEmpty())
        std::fprintf(stderr, "zelshots: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(error));
    return error.isEmpty();
}

} // namespace

bool saveReportShots(zel::ui::MainWindow& window, const QString& original,
                     const std::function<bool(QWidget&, const QString&)>& save, const QString& pdf)
{
    // What the visit began with, fetched this morning.
    zel::model::ConfigModel earlier;
    zel::model::resetModel(earlier);
    zel::model::LogLines log;
    const QByteArray bytes = original.toLatin1();
    zel::model::readText(earlier, bytes.toStdString(), log);
    zel::model::markUnavailableGroups(earlier);
    const QDateTime fetched = QDateTime::currentDateTime().addSecs(-2 * 3600);

    const QDate today = QDate::currentDate();
    const auto pathFor = [today](const QString&) {
        return zel::ui::proposedReportFile(QDir::home().filePath(QStringLiteral("Reports")),
                                           QStringLiteral("Lobby"), today, QStringLiteral("pdf"));
    };
    zel::ui::ReportDialog dialog(
        {pathFor(kParticulars.site),
         kParticulars.site,
         kParticulars.client,
         kParticulars.installer,
         {QStringLiteral("%1, fetched from %2 (import)")
              .arg(fetched.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), kUnit),
          QStringLiteral("%1, fetched from %2 (site backup)")
              .arg(fetched.addDays(-14).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), kUnit)},
         0,
         pathFor},
        &window);
    dialog.pathEdit()->setText(QStringLiteral("/home/alex/Reports/") +
                               QFileInfo(dialog.pathEdit()->text()).fileName());
    dialog.notesEdit()->setPlainText(
        QStringLiteral("The kitchen is now called the Kitchen Bar.\nCall us on 555-0100."));
    dialog.show();
    bool ok = save(dialog, QStringLiteral("13-report-dialog.png"));
    dialog.close();
    if (pdf.isEmpty())
        return ok;

    const QString error = zel::ui::writeReport(
        {
            .configuration = &window.model(),
            .origin = QStringLiteral("host: 192.168.1.40"),
            .date = QDateTime::currentDateTime(),
            .earlier = &earlier,
            .earlierOrigin =
                QStringLiteral("the configuration fetched from %1 on %2")
                    .arg(kUnit, fetched.toString(QStringLiteral("yyyy-MM-dd 'at' HH:mm"))),
            .particulars = kParticulars,
            .notes = dialog.notesEdit()->toPlainText(),
            .unit = kUnit,
            .unitName = QStringLiteral("Lobby"),
        },
        pdf);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "zelshots: cannot write %s: %s\n", qPrintable(pdf), qPrintable(error));
        ok = false;
    }
    return saveSiteReport(window.model(), earlier, fetched,
                          QFileInfo(pdf).dir().filePath(QStringLiteral("site-report.pdf"))) &&
           ok;
}
