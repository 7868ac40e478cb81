// A loaded translation reaches the texts of every layer when they are shown: none was built
// outside tr(), and none kept as a constant was translated before the translation was loaded.
#include "model/config_model.h"
#include "report/report_builder.h"
#include "session/unit/site_link.h"
#include "ui/pages/network_page.h"
#include "ui/transfer/transfer_status_texts.h"
#include "ui/transfer/window_questions.h"
#include "ui/window/welcome_window.h"

#include <QCheckBox>
#include <QTranslator>

#include <gtest/gtest.h>

namespace zel::ui {
namespace {

// Marks every text it is asked for, as a translation of any language would change it.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
};

TEST(TranslatedTexts, EveryLayerTranslatesWhatItShows)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    model::ConfigModel configuration;
    NetworkPage page(configuration);
    QString siteError;
    session::parseSiteLink(QStringLiteral("nowhere"), &siteError);
    report::ReportRequest request;
    request.configuration = &configuration;
    link::TransferStatus connecting;
    connecting.stage = link::TransferStatus::Stage::Connecting;
    connecting.peer = QStringLiteral("host: u");
    struct Case {
        const char* what;
        QString shown;
        QString expected; // the start of what is shown
    };
    const Case cases[] = {
        {"a question kept as a constant", questions::kDiscardOnImport,
         "<The configuration being edited"},
        {"a status kept as a constant",
         status::exportEndStatus(link::TransferOutcome::Completed, 9, 9, {}), "< Complete>"},
        {"a status with its place filled", status::transferStatusText(connecting),
         "< Importing from host: u>"},
        {"the report", report::buildReport(request).html.section("<h2>", 1),
         "<Source and zone names>"},
        {"the session's words", siteError, "<\"nowhere\" is not a link"},
        {"a page's label", page.findChild<QCheckBox*>("DHCPCheckbox")->text(), "<Enable DHCP?>"},
        {"the welcome window", WelcomeWindow::welcomeLines().constFirst(), "<Welcome to the ZEL"},
    };
    QCoreApplication::removeTranslator(&translator);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(c.shown.startsWith(c.expected)) << c.shown.toStdString();
    }
}

} // namespace
} // namespace zel::ui
