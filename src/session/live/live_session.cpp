// Live mode's phases: going live, the link lost and back, reading the unit again, leaving, the
// sender and the state; what each read of the unit means is LiveReadJudge's.
#include "session/live/live_session.h"

#include "session/configuration/configuration_session.h"
#include "session/live/live_journal.h"
#include "session/live/live_link.h"
#include "text/latin1_text.h"

#include <QScopedValueRollback>

namespace zel::session {

LiveSession::LiveSession(ConfigurationSession& config, SettleClock& clock,
                         journal::Journal* journal, QObject* parent)
    : QObject(parent), m_config(config), m_journal(journal), m_sender(config, m_picture, clock),
      m_judge(config, m_target, m_picture, m_sender, m_journal, m_reads)
{
    qRegisterMetaType<LiveStatus>();
    connect(&m_config, &ConfigurationSession::modelChanged, this, &LiveSession::onModelChanged);
    m_sender.setGate([this] {
        return (m_phase == LivePhase::Live || m_phase == LivePhase::Ending) && !m_checking &&
               !m_judge.unitDiffers();
    });
    // Leaving with what waits sent reads the unit back once nothing waits or is on its way.
    connect(&m_sender, &LiveSender::sendingChanged, this, [this] {
        publish();
        finishEnding();
        // Once what the user's answer sent has gone, the read that confirms it comes at once.
        if (m_reads.awaitingRead() && m_sender.pendingCount() == 0)
            readAgain();
    });
    m_refetch.setSingleShot(true);
    connect(&m_refetch, &QTimer::timeout, this, &LiveSession::fetchUnit);
    connect(&m_reads, &LiveReadSchedule::due, this, &LiveSession::readAgain);
    m_reads.setTimes(m_settings.quietBeforeRead, m_settings.readPeriod);
}

LiveSession::~LiveSession() = default;

void LiveSession::setSettings(const LiveSettings& settings)
{
    m_settings = settings;
    m_sender.setSettings(settings);
    m_reads.setTimes(settings.quietBeforeRead, settings.readPeriod);
}

void LiveSession::start(LiveTarget target)
{
    if (m_phase != LivePhase::Off)
        return;
    m_target = std::move(target);
    m_begun = m_checking = m_fetching = m_readingAgain = false;
    m_judge.reset();
    m_sender.begin();
    m_journal.begin(m_target.journalUnit);

    LiveLink::Settings linkSettings{m_target.transfer, m_settings.firstRetry,
                                    m_settings.longestRetry};
    linkSettings.transfer.responseTimeout = m_settings.replyTimeout;
    m_link = std::make_unique<LiveLink>(m_target.makeChannel, linkSettings);
    connect(m_link.get(), &LiveLink::opened, this, &LiveSession::onOpened);
    connect(m_link.get(), &LiveLink::openFailed, this,
            [this](const QString& error, bool turnedAway) { abandonStart(error, turnedAway); });
    connect(m_link.get(), &LiveLink::lost, this, &LiveSession::onLost);
    connect(m_link.get(), &LiveLink::retryScheduled, this, &LiveSession::publish);
    connect(m_link.get(), &LiveLink::fetched, this, &LiveSession::onFetched);
    m_sender.setLink(m_link.get());
    m_phase = LivePhase::Opening;
    publish();
    m_link->open();
}

void LiveSession::onOpened(bool again)
{
    if (again) {
        m_checking = true;
        m_readingAgain = false;
    } else {
        m_phase = LivePhase::Fetching;
    }
    fetchUnit();
    publish();
}

void LiveSession::fetchUnit()
{
    if (!m_link || !m_link->isOpen() || m_link->isBusy())
        return;
    m_fetching = m_link->fetch() != nullptr;
}

void LiveSession::onFetched(const QString& text, bool whole, const QString& why)
{
    // A fetch stopped by leaving ends nothing more: the end is said once.
    if (!std::exchange(m_fetching, false) || m_phase == LivePhase::Off)
        return;
    const bool again = std::exchange(m_readingAgain, false);
    using Kind = LiveReadJudge::Kind;
    const Kind kind = m_phase == LivePhase::Fetching      ? Kind::Start
                      : m_phase == LivePhase::ReadingBack ? Kind::Back
                      : again                             ? Kind::Again
                                                          : Kind::LinkBack;
    const LiveReadJudge::Read read = m_judge.take(text, whole, why, kind);
    if (m_stopping)
        return; // whoever stopped it ends live mode
    if (!read.whole) {
        if (kind == Kind::Start)
            abandonStart(tr("the unit's configuration did not come whole (%1)").arg(read.shortfall),
                         false);
        else if (kind == Kind::Back)
            endNow(true); // left without a read back: nothing is said of what the unit holds
        else if (again)
            m_reads.postpone();
        else if (m_link->isOpen()) // the link is up but the unit did not answer: ask again
            m_refetch.start(m_settings.firstRetry);
        publish();
        m_sender.scheduleSend();
        return;
    }
    m_config.fetchedFromUnit(text::toLatin1(text), m_link->peer());
    const model::ConfigModel unit = m_config.lastFetchedFromUnit()->model;
    if (m_phase == LivePhase::ReadingBack) {
        endNow(true, unit);
        return;
    }
    if (m_phase == LivePhase::Fetching) {
        act(m_judge.readAtStart(unit), true);
        return;
    }
    m_checking = false;
    act(m_judge.readWhileLive(unit, read.text, kind), false);
}

void LiveSession::answerAnotherUnit(bool goOn)
{
    const bool atStart = m_phase == LivePhase::Fetching;
    act(m_judge.answerAnotherUnit(goOn, atStart), atStart);
}

void LiveSession::act(LiveReadJudge::Verdict verdict, bool atStart)
{
    using Verdict = LiveReadJudge::Verdict;
    if (verdict == Verdict::Leave) {
        stop(Ending::Cancel);
    } else if (verdict == Verdict::HeldElsewhere) {
        if (atStart)
            endNow(false); // nothing was sent yet
        else
            cancelNow();
    } else if (verdict == Verdict::Agrees && atStart) {
        begin(true);
    } else if (verdict != Verdict::Nothing) {
        if (verdict == Verdict::Differs && atStart)
            m_phase = LivePhase::Deciding;
        publish();
        if (verdict == Verdict::AnotherUnit)
            emit anotherUnitFound(atStart);
        else if (verdict == Verdict::Differs)
            emit unitDiffers(atStart);
        else if (verdict == Verdict::Agrees)
            m_sender.scheduleSend();
    }
}

void LiveSession::readAgain()
{
    if (m_phase != LivePhase::Live || !m_link || !m_link->isOpen() || m_checking ||
        m_judge.unitDiffers())
        return; // the link's return, or the user's answer, reads or decides first
    if (m_link->isBusy() || m_sender.pendingCount() > 0 || m_sender.isAsking()) {
        m_reads.postpone();
        return;
    }
    m_readingAgain = true;
    fetchUnit();
    if (!m_fetching) {
        m_readingAgain = false;
        m_reads.postpone();
    }
    publish();
}

void LiveSession::readBack()
{
    journalLinesSent();
    m_phase = LivePhase::ReadingBack;
    m_readingAgain = false;
    fetchUnit();
    if (!m_fetching)
        endNow(true);
    else
        publish();
}

void LiveSession::begin(bool agreed)
{
    m_phase = LivePhase::Live;
    m_begun = true;
    m_judge.settle();
    m_sender.takeEditedAsSeen();
    if (agreed)
        m_reads.readAgreed();
    else
        m_reads.awaitRead();
    publish();
    m_sender.scheduleSend();
}

void LiveSession::resolve(Side side)
{
    if (side == Side::Leave) {
        if (m_judge.unitDiffers())
            stop(Ending::Cancel);
        return;
    }
    const bool atStart = m_phase == LivePhase::Deciding;
    if (!m_judge.resolve(side, atStart))
        return;
    if (atStart) {
        begin(false);
    } else {
        m_sender.takeEditedAsSeen();
    }
    if (side == Side::SendEdited)
        m_sender.queueAll(m_picture.differingFrom(m_config.model()));
    publish();
    m_sender.scheduleSend();
}

void LiveSession::onLost(const QString& reason)
{
    m_checking = false;
    m_refetch.stop();
    // The read on its way ends too, and its end says the rest (and keeps what came).
    if (m_fetching && (m_phase == LivePhase::Fetching || m_phase == LivePhase::ReadingBack))
        return;
    if (m_phase == LivePhase::Opening || m_phase == LivePhase::Fetching) {
        abandonStart(tr("the link was lost (%1)").arg(reason), false);
        return;
    }
    if (m_phase == LivePhase::Ending || m_phase == LivePhase::ReadingBack) {
        cancelNow();
        return;
    }
    m_readingAgain = false;
    publish();
}

void LiveSession::abandonStart(const QString& why, bool turnedAway)
{
    m_phase = LivePhase::Off;
    m_judge.forgetAnotherUnit();
    dropLink();
    publish();
    emit startFailed(why, turnedAway);
}

void LiveSession::stop(Ending how)
{
    if (m_phase == LivePhase::Off)
        return;
    if (m_phase == LivePhase::ReadingBack) {
        if (how == Ending::Cancel)
            cancelNow();
        return;
    }
    if (m_phase != LivePhase::Live && m_phase != LivePhase::Ending) {
        stopRead();    // what came of the start read is kept
        endNow(false); // nothing was sent yet
        return;
    }
    m_pendingAtStop = m_sender.pendingCount();
    const bool canFinish = m_link && m_link->isOpen() && !m_checking && !m_judge.unitDiffers();
    if (how == Ending::Finish && canFinish) {
        m_phase = LivePhase::Ending;
        m_ending = Ending::Finish;
        m_sender.releaseAll();
        publish();
        finishEnding();
        return;
    }
    cancelNow();
}

void LiveSession::cancelNow()
{
    m_ending = Ending::Cancel; // the block stopped below does not finish the ending
    m_sender.dropWaiting();
    // A read stopped here ends nothing more: the end is said once, below.
    stopRead();
    if (m_link)
        m_link->cancelTransfer(); // its blocks are not applied
    endNow(false);
}

void LiveSession::finishEnding()
{
    if (m_phase == LivePhase::Ending && m_ending == Ending::Finish &&
        m_sender.pendingCount() == 0 && !(m_link && m_link->isBusy()))
        readBack();
}

void LiveSession::endNow(bool finished, const std::optional<model::ConfigModel>& readBack)
{
    journalLinesSent();
    LiveEnd end = m_judge.endOf(m_begun, finished, readBack);
    end.pending = std::exchange(m_pendingAtStop, 0);
    m_phase = LivePhase::Off;
    m_begun = m_checking = m_fetching = m_readingAgain = false;
    m_judge.end();
    m_sender.end();
    m_refetch.stop();
    m_reads.stop();
    dropLink();
    publish();
    emit ended(end);
    // The last entries may still be on their way to the journal: a failure is told once known.
    if (end.journalError.isEmpty())
        m_journal.afterKept([this] {
            if (!m_journal.error().isEmpty() && m_phase == LivePhase::Off)
                emit journalFailed(m_journal.error());
        });
}

void LiveSession::stopRead()
{
    if (m_fetching && m_link) {
        const QScopedValueRollback stopping(m_stopping, true);
        m_link->stopTransfer();
    }
    m_fetching = m_readingAgain = false;
}

void LiveSession::dropLink()
{
    if (!m_link)
        return;
    m_sender.setLink(nullptr);
    m_link->disconnect(this);
    m_link->close();
    m_link.release()->deleteLater(); // it may be the one signalling now
}

void LiveSession::journalLinesSent()
{
    if (m_begun)
        m_journal.keepLinesSent(m_sender.linesSent(), m_sender.linesNotAcknowledged());
}

void LiveSession::onModelChanged(const EditStep& step)
{
    // Before live mode has begun, the comparison takes the model as it is then.
    if (m_phase != LivePhase::Live && m_phase != LivePhase::Ending)
        return;
    m_reads.edited();
    m_sender.edited(step);
    publish();
    m_sender.scheduleSend();
}

void LiveSession::resend()
{
    if (m_phase != LivePhase::Live)
        return;
    m_sender.resendNotApplied();
    publish();
}

LiveStatus LiveSession::status() const
{
    LiveFacts facts;
    facts.phase = m_phase;
    facts.peer = m_link ? m_link->peer() : QString();
    facts.linkOpen = m_link && m_link->isOpen();
    facts.lostReason = m_link ? m_link->lostReason() : QString();
    facts.retrySeconds = m_link ? m_link->retrySeconds() : 0;
    facts.checking = m_checking;
    facts.unitDiffers = m_judge.unitDiffers();
    facts.readingAgain = m_readingAgain;
    if (m_phase == LivePhase::Live || m_phase == LivePhase::Ending) {
        m_sender.addStatusFacts(facts);
        facts.lastRead = m_reads.lastRead();
        facts.awaitingRead = m_reads.awaitingRead();
    }
    return liveStatusOf(facts);
}

void LiveSession::publish()
{
    const LiveStatus now = status();
    if (now == m_published)
        return;
    m_published = now;
    emit statusChanged(now);
}

} // namespace zel::session
