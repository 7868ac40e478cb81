#include "ui/live/live_controller.h"

#include "model/config_diff.h"
#include "session/configuration/configuration_session.h"
#include "session/live/live_precheck.h"
#include "session/unit/unit_directory.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/live/live_state_panel.h"
#include "ui/live/live_status_texts.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/link_failure_message.h"

#include <QAction>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWidget>

namespace zel::ui {

using session::LiveSession;
using session::LiveState;

namespace {
constexpr int kMostVolumeLimitDb = 80; // the volume's whole range
// The read period's bounds: a whole read takes some seconds at 9600 baud, and a change at the
// unit is to be found within half a minute.
constexpr int kShortestReadPeriodS = 5;
constexpr int kLongestReadPeriodS = 30;
} // namespace

LiveController::LiveController(LiveWindowSide window)
    : QObject(&window.window), m_window(std::move(window)),
      m_live(m_window.configuration, m_clock, &m_window.link.journal())
{
    m_live.setJournalWork(m_window.link.journalWork());
    m_menu = new QMenu(tr("&Unit"), &m_window.window);
    m_liveAction = m_menu->addAction(tr("&Live"));
    m_liveAction->setCheckable(true);
    m_liveAction->setShortcut(Qt::CTRL | Qt::Key_L);
    m_liveAction->setStatusTip(tr("Send every edit to the unit as it is made"));
    m_resendAction = m_menu->addAction(tr("&Resend Not Applied"));
    m_resendAction->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    m_resendAction->setEnabled(false);
    m_menu->addSeparator();
    m_limitAction = m_menu->addAction(tr("Live &Volume Limit..."));
    m_readPeriodAction = m_menu->addAction(tr("Live Read &Period..."));
    m_panel = new LiveStatePanel;

    connect(m_liveAction, &QAction::triggered, this, &LiveController::onToggled);
    connect(m_resendAction, &QAction::triggered, &m_live, &LiveSession::resend);
    connect(m_panel, &LiveStatePanel::resendRequested, &m_live, &LiveSession::resend);
    connect(m_limitAction, &QAction::triggered, this, &LiveController::askVolumeLimit);
    connect(m_readPeriodAction, &QAction::triggered, this, &LiveController::askReadPeriod);
    connect(&m_live, &LiveSession::statusChanged, this, [this](const session::LiveStatus& s) {
        m_panel->showStatus(s);
        m_resendAction->setEnabled(s.state == LiveState::NotApplied);
    });
    // Asked from the event loop, never from inside the transfer that found the difference.
    connect(&m_live, &LiveSession::unitDiffers, this, &LiveController::onUnitDiffers,
            Qt::QueuedConnection);
    connect(&m_live, &LiveSession::anotherUnitFound, this, &LiveController::onAnotherUnit,
            Qt::QueuedConnection);
    connect(&m_live, &LiveSession::startFailed, this, &LiveController::onStartFailed,
            Qt::QueuedConnection);
    connect(&m_live, &LiveSession::ended, this, &LiveController::onEnded);
    connect(&m_live, &LiveSession::journalFailed, this, [this](const QString& error) {
        m_lastEnd.journalError = error; // the end was told before its last entries were written
        m_window.showStatus(live::endText(m_lastEnd));
    });
    connect(&m_window.link, &LinkController::linkModeChanging, this,
            &LiveController::onLinkModeChanging);
    m_live.setUnitClaim([this](const session::UnitFingerprint& read) {
        return m_identityLock.take(read, holderName());
    });
    m_live.setRaiseQuestion([this](const std::vector<session::VolumeRaise>& raises) {
        return m_window.prompts().confirm(
            live::raiseQuestion(raises, m_live.settings().volumeRaiseLimitDb));
    });
}

LiveController::~LiveController()
{
    // The panel is not a child: the window's status bar holds it, when it was added there.
    if (!m_panel->parent())
        delete m_panel;
}

void LiveController::updateAction()
{
    const LinkController& link = m_window.link;
    const bool unitLink =
        link.linkMode() == link::LinkMode::Serial || link.linkMode() == link::LinkMode::Telnet;
    m_liveAction->setEnabled(isLive() || (unitLink && !m_window.unitWorkPending()));
    m_liveAction->setChecked(isLive());
}

void LiveController::onToggled(bool on)
{
    if (on && !isLive()) {
        goLive();
    } else if (!on && isLive()) {
        m_live.stop(LiveSession::Ending::Finish);
        m_liveAction->setChecked(isLive()); // checked until what is pending has gone
    }
}

void LiveController::goLive()
{
    LinkController& link = m_window.link;
    const QString why =
        session::whyNotLive(m_window.configuration, {link.linkMode(), m_window.unitWorkPending()});
    if (!why.isEmpty()) {
        m_liveAction->setChecked(false);
        m_window.prompts().showError(why);
        return;
    }
    m_window.commitEdits(); // what the pages show is what goes
    // One window live on a unit: two would undo each other's edits. The unit at the address is
    // held by what it is once the start read has said so.
    if (!m_unitLock.take(link.journalUnit(), holderName())) {
        m_liveAction->setChecked(false);
        m_window.prompts().showError(live::heldElsewhereText(m_unitLock.heldBy()));
        return;
    }
    m_liveUnit = link.journalUnit();
    m_liveHost = link.host();
    link.holdForLive(true);
    // The unit is read first, always: that read alone says which unit it is and what it holds.
    m_live.start({link.liveChannelMaker(), link.journalUnit(), link.transferSettings(),
                  session::UnitDirectory::defaultPath()});
    updateAction();
    emit liveChanged();
}

void LiveController::onUnitDiffers()
{
    if (m_live.status().state != LiveState::UnitDiffers)
        return;
    QStringList rows;
    for (const model::Difference& difference : m_live.differences())
        rows << text::fromLatin1(model::describe(difference));
    const bool canSend = m_live.canSendEdited();
    const LiveSide side = m_window.prompts().chooseLiveSide(
        live::differsQuestion(m_live.differsFound(), static_cast<int>(rows.size()), canSend), rows,
        canSend);
    m_live.resolve(side == LiveSide::SendEdited  ? LiveSession::Side::SendEdited
                   : side == LiveSide::TakeUnits ? LiveSession::Side::TakeUnits
                                                 : LiveSession::Side::Leave);
}

void LiveController::onAnotherUnit(bool atStart)
{
    if (!m_live.anotherUnit())
        return; // live mode ended meanwhile
    m_live.answerAnotherUnit(
        m_window.prompts().confirm(live::anotherUnitQuestion(*m_live.anotherUnit(), atStart)));
}

QString LiveController::holderName() const
{
    QString title = m_window.window.windowTitle();
    return title.remove(QStringLiteral("[*]"));
}

void LiveController::onStartFailed(const QString& why, bool turnedAway)
{
    m_unitLock.release();
    m_identityLock.release();
    m_window.link.holdForLive(false);
    updateAction();
    emit liveChanged();
    m_window.showStatus(QLatin1Char(' ') + live::startFailedText(why));
    m_window.prompts().showError(turnedAway ? sessionHeldMessage(m_liveHost, why)
                                            : live::startFailedText(why));
}

void LiveController::onEnded(const session::LiveEnd& end)
{
    m_lastEnd = end;
    m_unitLock.release();
    m_identityLock.release();
    m_window.link.holdForLive(false);
    if (end.unitHoldsEdited)
        m_window.configuration.deliveredToUnit(m_liveUnit.toStdString());
    const QString heldElsewhere =
        end.heldElsewhere ? live::heldElsewhereText(m_identityLock.heldBy()) : QString();
    m_window.showStatus(heldElsewhere.isEmpty() ? live::endText(end)
                                                : QLatin1Char(' ') + heldElsewhere);
    if (!heldElsewhere.isEmpty()) // told from the event loop, not from inside the read
        QTimer::singleShot(0, this,
                           [this, heldElsewhere] { m_window.prompts().showError(heldElsewhere); });
    updateAction();
    emit liveChanged();
    if (!m_closing && !m_closeWhenEnded)
        return;
    if (end.notSent > 0)
        m_window.prompts().showError(live::closedWithUnsentText(end.notSent));
    if (std::exchange(m_closeWhenEnded, false) && !m_closing)
        QTimer::singleShot(0, &m_window.window, [window = &m_window.window] { window->close(); });
}

bool LiveController::allowClose()
{
    if (!isLive())
        return true;
    const QScopedValueRollback closing(m_closing, true);
    if (m_closeWhenEnded) { // closed again while leaving: what is pending is cancelled
        m_closeWhenEnded = false;
        m_live.stop(LiveSession::Ending::Cancel);
        return true;
    }
    // Asked before anything is ended: the user may keep the window and live mode.
    if (!m_window.prompts().confirm(live::closeWhileLiveQuestion()))
        return false;
    m_closeWhenEnded = true; // the window is closed again once live mode has ended
    m_live.stop(LiveSession::Ending::Finish);
    if (isLive())
        return false;
    m_closeWhenEnded = false;
    return true;
}

void LiveController::onLinkModeChanging()
{
    // The link goes with the mode: what is pending cannot wait for it, and is cancelled.
    if (isLive())
        m_live.stop(LiveSession::Ending::Cancel);
}

void LiveController::askVolumeLimit()
{
    session::LiveSettings settings = m_live.settings();
    const std::optional<QString> answer = m_window.prompts().inputQuery(
        tr("Live Volume Limit"),
        tr("Largest volume raise sent live without a question, in dB (0 to %1): ")
            .arg(kMostVolumeLimitDb),
        QString::number(settings.volumeRaiseLimitDb));
    if (!answer)
        return;
    bool ok = false;
    const int limit = answer->trimmed().toInt(&ok);
    if (!ok || limit < 0 || limit > kMostVolumeLimitDb) {
        m_window.prompts().showError(
            tr("\"%1\" is not a number of dB from 0 to %2: the limit stays %3 dB.")
                .arg(*answer, QString::number(kMostVolumeLimitDb),
                     QString::number(settings.volumeRaiseLimitDb)));
        return;
    }
    settings.volumeRaiseLimitDb = limit;
    m_live.setSettings(settings);
}

void LiveController::askReadPeriod()
{
    session::LiveSettings settings = m_live.settings();
    const auto seconds = [](std::chrono::milliseconds ms) {
        return QString::number(std::chrono::duration_cast<std::chrono::seconds>(ms).count());
    };
    const std::optional<QString> answer = m_window.prompts().inputQuery(
        tr("Live Read Period"),
        tr("While live, the unit is read again at least this often, in seconds (%1 to %2): ")
            .arg(kShortestReadPeriodS)
            .arg(kLongestReadPeriodS),
        seconds(settings.readPeriod));
    if (!answer)
        return;
    bool ok = false;
    const int period = answer->trimmed().toInt(&ok);
    if (!ok || period < kShortestReadPeriodS || period > kLongestReadPeriodS) {
        m_window.prompts().showError(
            tr("\"%1\" is not a number of seconds from %2 to %3: the period stays %4 s.")
                .arg(*answer, QString::number(kShortestReadPeriodS),
                     QString::number(kLongestReadPeriodS), seconds(settings.readPeriod)));
        return;
    }
    settings.readPeriod = std::chrono::seconds(period);
    m_live.setSettings(settings);
}

} // namespace zel::ui
