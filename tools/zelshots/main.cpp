// zelshots CONFIG OUTDIR [REPORT.pdf]: loads CONFIG into the main window as an import would, then
// saves a picture of the welcome window and of each page, as a user sees them, into OUTDIR, and
// one of "Compare with Unit" after a few edits, compared with CONFIG itself, as a file and as a
// unit's (with the rows' check boxes), one of "History..." with a few journal entries, one of
// Copy Zone Settings as an installer retunes the EQ of zones 5 to 8 from zone 4, one of the
// "Report" dialog, one of the zone audio page in live mode, its state line saying that the unit
// agrees, and of the site window and "Find Units"; and the report of those edits to REPORT.pdf
// when it is given.

#include "report_shots.h"
#include "site_shots.h"

#include "journal/journal.h"
#include "link/unit_name.h"
#include "model/config_model.h"
#include "ui/common/tick_dialog.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"
#include "ui/live/live_controller.h"
#include "ui/live/live_state_panel.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/transfer/background_queue.h"
#include "ui/transfer/link_controller.h"
#include "ui/window/dialog_prompts.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"
#include "ui/window/welcome_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <memory>
#include <utility>

namespace {

QString fileNameFor(int index, const QString& caption)
{
    QString slug = caption.toLower();
    slug.replace(QLatin1String(" / "), QLatin1String("-"))
        .replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("%1-%2.png").arg(index + 1, 2, 10, QLatin1Char('0')).arg(slug);
}

bool save(QWidget& widget, const QDir& dir, const QString& name)
{
    QApplication::processEvents(); // let pending layouts and repaints land before the picture
    if (widget.grab().save(dir.filePath(name)))
        return true;
    std::fprintf(stderr, "zelshots: cannot write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

// The focus frame a user going by keys sees: on the 125 Hz band of the zone's EQ.
bool saveFocusPicture(zel::ui::MainWindow& window, const QDir& dir)
{
    for (int i = 0; i < window.tabs()->count(); ++i)
        if (window.tabs()->tabText(i).remove(u'&') == QStringLiteral("Zone Audio Controls"))
            window.tabs()->setCurrentIndex(i);
    window.activateWindow();
    for (QSlider* slider : window.tabs()->currentWidget()->findChildren<QSlider*>())
        if (slider->isVisible() && slider->accessibleName().endsWith(QStringLiteral("125Hz"))) {
            slider->setFocus(Qt::TabFocusReason);
            return save(*slider->parentWidget(), dir, QStringLiteral("18-focus.png"));
        }
    std::fprintf(stderr, "zelshots: no 125 Hz band to picture the focus on\n");
    return false;
}

// The window's own questions, but the tick dialog with options is pictured as the user fills it
// in: zones 5 to 8 ticked, the EQ alone taken. Nothing is copied.
class PicturePrompts : public zel::ui::DialogPrompts {
public:
    PicturePrompts(QWidget* parent, QDir dir) : DialogPrompts(parent), m_dir(std::move(dir)) {}

    std::optional<zel::ui::TickChoice>
    chooseItemsAndOptions(const QString& title, const QString& text,
                          const QList<zel::ui::TickableItem>& items,
                          const QList<zel::ui::TickableItem>& options) override
    {
        zel::ui::TickDialog dialog(title, text, items, owner(), options);
        for (int row = 4; row < 8 && row < dialog.list()->count(); ++row)
            dialog.list()->item(row)->setCheckState(Qt::Checked);
        for (qsizetype i = 0; i + 1 < dialog.options().size(); ++i)
            dialog.options().at(i)->setChecked(false);
        dialog.show();
        saved = save(dialog, m_dir, QStringLiteral("14-copy-zone-settings.png"));
        return std::nullopt;
    }

    bool saved = false;

private:
    QDir m_dir;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The history shows a journal of the pictures' own, not the user's.
    QTemporaryDir dataHome;
    qputenv("HOME", dataHome.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL Configuration"));
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: zelshots CONFIG OUTDIR [REPORT.pdf]\n");
        return 2;
    }
    QFile config(QString::fromLocal8Bit(argv[1]));
    if (!config.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zelshots: cannot read %s\n", argv[1]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(dir.path()))
        return 2;

    zel::ui::WelcomeWindow welcome;
    welcome.show();
    bool ok = save(welcome, dir, QStringLiteral("00-welcome.png"));
    welcome.close();

    zel::ui::MainWindow window;
    window.show();
    window.reset();
    const QString text = QString::fromLatin1(config.readAll());
    window.configurationTextBox()->setPlainText(text);
    window.readerRun();
    for (int i = 0; i < window.tabs()->count(); ++i) {
        window.tabs()->setCurrentIndex(i);
        ok = save(window, dir, fileNameFor(i, window.tabs()->tabText(i))) && ok;
    }
    ok = saveFocusPicture(window, dir) && ok;

    // Copy Zone Settings from zone 4, as the dialog is filled in; the prompts go back after.
    auto pictured = std::make_unique<PicturePrompts>(&window, dir);
    PicturePrompts& copyPrompts = *pictured;
    window.setPrompts(std::move(pictured));
    window.tabs()->setCurrentIndex(zel::ui::MainWindow::kZoneAudioPage);
    window.pageSet().zoneAudioPage()->showRecord(zel::model::DiffSubject::ZoneAudio, 4);
    window.copyZoneSettingsAction()->trigger();
    ok = copyPrompts.saved && ok;
    window.setPrompts(std::make_unique<zel::ui::DialogPrompts>(&window));

    // A few edits, then what they change against the file they came from.
    zel::model::ConfigModel& model = window.model();
    model.setZoneName(2, "Kitchen Bar");
    model.zoneAudio(3).volume = -25;
    model.setConnection(2, 1, 4, "A");
    model.network().ipAddress = "192.168.1.41";
    window.comparison()->compare(model, text,
                                 QStringLiteral("file: ") + QFileInfo(config).fileName(), {},
                                 {false, true}, window.prompts());
    ok =
        save(*window.comparison()->dialog(), dir, QStringLiteral("09-compare-with-unit.png")) && ok;

    // The same as a unit's: each row can be sent on its own.
    zel::ui::CompareDialog* dialog = window.comparison()->dialog();
    window.comparison()->compare(model, text, QStringLiteral("host: 192.168.1.40"), {},
                                 {false, true}, window.prompts(), true);
    if (QTreeWidgetItem* page =
            dialog->list()->topLevelItem(dialog->list()->topLevelItemCount() - 1))
        page->child(0)->setCheckState(0, Qt::Unchecked);
    ok = save(*dialog, dir, QStringLiteral("10-compare-send-selected.png")) && ok;
    dialog->close();

    // One more edit, then the report of them all since the configuration as it came.
    model.zoneAudio(1).setBand(3, 2);
    ok = saveReportShots(
             window, text,
             [&](QWidget& widget, const QString& name) { return save(widget, dir, name); },
             argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString()) &&
         ok;

    // A journal of a few transfers with two units.
    zel::journal::Journal journal;
    const QByteArray bytes = text.toLatin1();
    const QString tcpUnit = zel::link::unitName(zel::link::LinkMode::Telnet, "192.168.1.40");
    const auto keep = [&](zel::journal::Cause cause, zel::journal::Direction direction,
                          const QString& unit, bool whole, bool partial, const QString& ending,
                          const QByteArray& sent) {
        zel::journal::Entry entry;
        entry.cause = cause;
        entry.direction = direction;
        entry.unit = unit;
        entry.whole = whole;
        entry.partial = partial;
        entry.ending = ending;
        journal.record(entry, sent);
    };
    using zel::journal::Cause;
    using zel::journal::Direction;
    keep(Cause::Import, Direction::FromUnit, tcpUnit, true, false, {}, bytes);
    keep(Cause::Export, Direction::ToUnit, tcpUnit, false, false,
         QStringLiteral("the unit answered ERROR at line 134 of 515, acknowledged up to line 133"),
         bytes);
    keep(Cause::Import, Direction::FromUnit,
         zel::link::unitName(zel::link::LinkMode::Serial, "/dev/ttyUSB0"), true, false, {}, bytes);
    keep(Cause::SendSelected, Direction::ToUnit, tcpUnit, true, true, {},
         "[NO1\"Hall\"]\r\n[EC]\r\n");
    keep(Cause::Export, Direction::ToUnit, tcpUnit, true, false, {}, bytes);
    journal.setKept(journal.entries().constLast(), true); // what the unit held first
    window.history()->showHistory();
    // The journal is listed off the window's thread: the picture waits until the list is shown.
    window.link()->journalWork().finish();
    ok = save(*window.history()->dialog(), dir, QStringLiteral("11-history.png")) && ok;
    window.history()->dialog()->close();

    // Live mode as the state line shows it once the unit has acknowledged the last edit.
    window.tabs()->setCurrentIndex(zel::ui::MainWindow::kZoneAudioPage);
    window.live()->liveAction()->setChecked(true);
    zel::session::LiveStatus live;
    live.state = zel::session::LiveState::InSync;
    live.peer = QStringLiteral("host: 192.168.1.40");
    window.live()->statePanel()->showStatus(live);
    // The new line's size reaches the status bar's layout a few turns of the event loop later.
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    ok = save(window, dir, QStringLiteral("15-live-mode.png")) && ok;
    ok =
        saveSitePictures(window, [&dir](QWidget& widget,
                                        const QString& name) { return save(widget, dir, name); }) &&
        ok;
    return ok ? 0 : 1;
}
