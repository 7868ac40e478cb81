// Live mode's life: going live, the link lost and back, which side wins, leaving, the journal.
#include "session/live/live_session.h"

#include "model/dump_shortfall.h"
#include "session/configuration/configuration_session.h"
#include "session/live/live_journal.h"
#include "session/live/live_link.h"
#include "text/latin1_text.h"

#include <QScopedValueRollback>

namespace zel::session {

LiveSession::LiveSession(ConfigurationSession& config, SettleClock& clock,
                         journal::Journal* journal, QObject* parent)
    : QObject(parent), m_config(config), m_journal(journal), m_sender(config, m_picture, clock)
{
    qRegisterMetaType<LiveStatus>();
    connect(&m_config, &ConfigurationSession::modelChanged, this, &LiveSession::onModelChanged);
    m_sender.setGate([this] {
        return (m_phase == LivePhase::Live || m_phase == LivePhase::Ending) && !m_checking &&
               !m_unitDiffers;
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
    m_begun = m_checking = m_unitDiffers = m_fetching = m_readingAgain = m_heldElsewhere = false;
    m_anotherUnit.reset();
    m_found = Found::AtStart;
    m_sender.begin();
    m_journal.begin(m_target.journalUnit);
    m_differences.clear();

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
    QString received = text;
    received.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string found = text::toLatin1(received);
    // A dump that ended without a whole configuration (a device that only echoes) is no read of
    // the unit.
    const QString shortfall = whole ? QString::fromStdString(model::dumpShortfall(found)) : why;
    const bool wholeRead = whole && shortfall.isEmpty();
    // The start read and the read back are kept whatever follows, cut short or not.
    if (m_phase == LivePhase::Fetching || m_phase == LivePhase::ReadingBack)
        m_journal.keepRead(
            m_phase == LivePhase::Fetching ? journal::Cause::LiveStart : journal::Cause::LiveEnd,
            found, wholeRead,
            !wholeRead                       ? shortfall
            : m_phase == LivePhase::Fetching ? tr("going live: the unit as found")
                                             : tr("live mode ended: the unit as read back"));
    if (m_stopping)
        return; // whoever stopped it ends live mode
    if (!wholeRead) {
        if (m_phase == LivePhase::Fetching)
            abandonStart(tr("the unit's configuration did not come whole (%1)").arg(shortfall),
                         false);
        else if (m_phase == LivePhase::ReadingBack)
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
        startWith(unit);
        return;
    }
    m_found = again ? Found::ReadAgain : Found::LinkBack;
    onReadAgain(unit, found);
}

void LiveSession::startWith(const model::ConfigModel& unit)
{
    m_picture.start(unit);
    const UnitFingerprint read = fingerprintOf(unit);
    // Another window live on this unit, by whatever address or port, keeps it.
    if (m_claim && !m_claim(read)) {
        m_heldElsewhere = true;
        endNow(false);
        return;
    }
    m_differences = model::compareConfigurations(unit, m_config.model());
    m_anotherUnit = identityMismatchWithRead(m_config.model(), true, m_target.journalUnit, read,
                                             m_target.directoryPath);
    if (m_anotherUnit) {
        publish();
        emit anotherUnitFound(true);
        return;
    }
    decideStart();
}

void LiveSession::decideStart()
{
    if (m_differences.empty()) {
        begin(true);
        return;
    }
    m_phase = LivePhase::Deciding;
    m_unitDiffers = true;
    m_found = Found::AtStart;
    publish();
    emit unitDiffers(true);
}

void LiveSession::answerAnotherUnit(bool goOn)
{
    if (!std::exchange(m_anotherUnit, std::nullopt))
        return;
    if (!goOn) {
        stop(Ending::Cancel); // nothing was sent to it
        return;
    }
    if (m_phase == LivePhase::Fetching) {
        decideStart();
        return;
    }
    if (m_claim && !m_claim(fingerprintOf(m_picture.model()))) {
        m_heldElsewhere = true;
        cancelNow();
        return;
    }
    decideAgain(true);
}

void LiveSession::onReadAgain(const model::ConfigModel& unit, const std::string& foundText)
{
    // The unit must still hold what it acknowledged (a unit switched off and on, or changed at
    // its keypad or by another program, does not).
    m_checking = false;
    const bool changed = !model::compareConfigurations(m_picture.model(), unit).empty();
    if (changed) {
        m_journal.keepRead(journal::Cause::LiveRead, foundText, true,
                           tr("live mode: the unit read again, changed since it was last read"));
        m_picture.start(unit);
        m_sender.forgetSent();
        m_differences = model::compareConfigurations(unit, m_config.model());
        // Another unit (swapped while the link was down, or behind the same serial port) is
        // asked about first; nothing goes to it meanwhile.
        m_anotherUnit = identityMismatchWithRead(m_config.model(), true, m_target.journalUnit,
                                                 fingerprintOf(unit), m_target.directoryPath);
        if (m_anotherUnit) {
            m_unitDiffers = true;
            publish();
            emit anotherUnitFound(false);
            return;
        }
    }
    decideAgain(changed);
}

void LiveSession::decideAgain(bool changed)
{
    if (m_anotherUnit) { // the answer about the unit decides first
        publish();
        return;
    }
    if (changed)
        m_unitDiffers = !m_differences.empty();
    if (!m_unitDiffers) {
        m_reads.readAgreed();
        // The unit held follows what it is now, zones renamed live and all; whoever else holds
        // it by then is for the next window that goes live to hear of.
        if (m_claim)
            m_claim(fingerprintOf(m_picture.model()));
    }
    publish();
    if (m_unitDiffers)
        emit unitDiffers(false);
    else
        m_sender.scheduleSend();
}

void LiveSession::readAgain()
{
    if (m_phase != LivePhase::Live || !m_link || !m_link->isOpen() || m_checking || m_unitDiffers)
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
    m_unitDiffers = false;
    m_differences.clear();
    m_sender.takeEditedAsSeen();
    if (agreed)
        m_reads.readAgreed();
    else
        m_reads.awaitRead();
    publish();
    m_sender.scheduleSend();
}

bool LiveSession::canSendEdited() const
{
    const model::ConfigModel& unit = m_picture.model();
    return unit.zoneCount() == m_config.model().zoneCount() &&
           unit.sourceCount() == m_config.model().sourceCount();
}

void LiveSession::resolve(Side side)
{
    if (!m_unitDiffers)
        return;
    if (side == Side::Leave) {
        stop(Ending::Cancel);
        return;
    }
    if (side == Side::SendEdited && !canSendEdited())
        return;
    const bool atStart = m_phase == LivePhase::Deciding;
    m_unitDiffers = false;
    m_differences.clear();
    if (!atStart)
        m_reads.awaitRead(); // the read disagreed: only the next one can say "in sync"
    if (side == Side::TakeUnits) {
        m_sender.forgetWaiting();
        m_sender.forgetSent();
        m_config.replaceModel(m_picture.model(), EditStep{tr("Take the Unit's Configuration"),
                                                          {},
                                                          model::DiffSubject::Unit,
                                                          0,
                                                          EditStep::Pace::Single,
                                                          true});
    }
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
    m_anotherUnit.reset();
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
    const bool canFinish = m_link && m_link->isOpen() && !m_checking && !m_unitDiffers;
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
    LiveEnd end;
    end.began = m_begun;
    end.pending = std::exchange(m_pendingAtStop, 0);
    end.finished = finished;
    if (m_begun) {
        journalLinesSent();
        if (readBack)
            m_picture.start(*readBack); // what the unit holds is what the read found
        end.notSent = static_cast<int>(
            m_sender.notSentBlocks(m_picture.differingFrom(m_config.model())).size());
        end.readBack = readBack.has_value();
        end.unitHoldsEdited =
            readBack && model::compareConfigurations(*readBack, m_config.model()).empty();
        end.linesSent = static_cast<int>(m_sender.linesSent().size());
    }
    end.journalError = m_journal.error();
    end.heldElsewhere = std::exchange(m_heldElsewhere, false);
    m_phase = LivePhase::Off;
    m_begun = m_checking = m_unitDiffers = m_fetching = m_readingAgain = false;
    m_anotherUnit.reset();
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
    facts.unitDiffers = m_unitDiffers;
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
