// Live mode's life: going live, the link lost and back, which side wins, leaving, the journal.
#include "session/live/live_session.h"

#include "journal/journal.h"
#include "link/import_transfer.h"
#include "session/configuration/configuration_session.h"
#include "session/live/live_link.h"
#include "text/latin1_text.h"

namespace zel::session {

LiveSession::LiveSession(ConfigurationSession& config, SettleClock& clock,
                         journal::Journal* journal, QObject* parent)
    : QObject(parent), m_config(config), m_journal(journal), m_pacer(clock, m_settings.settleTime)
{
    qRegisterMetaType<LiveStatus>();
    connect(&m_config, &ConfigurationSession::modelChanged, this, &LiveSession::onModelChanged);
    connect(&m_pacer, &LivePacer::due, this, &LiveSession::scheduleSend);
    m_refetch.setSingleShot(true);
    connect(&m_refetch, &QTimer::timeout, this, &LiveSession::fetchUnit);
    connect(&m_reads, &LiveReadSchedule::due, this, &LiveSession::readAgain);
    m_reads.setTimes(m_settings.quietBeforeRead, m_settings.readPeriod);
}

LiveSession::~LiveSession() = default;

void LiveSession::setSettings(const LiveSettings& settings)
{
    m_settings = settings;
    m_pacer.setSettleTime(settings.settleTime);
    m_reads.setTimes(settings.quietBeforeRead, settings.readPeriod);
}

void LiveSession::start(LiveTarget target)
{
    if (m_phase != Phase::Off)
        return;
    m_target = std::move(target);
    m_begun = m_checking = m_unitDiffers = m_fetching = m_readingAgain = false;
    m_linesJournaled = false;
    m_found = Found::AtStart;
    m_linesSent.clear();
    m_linesNotAcknowledged = 0;
    m_rampZones.clear();
    m_inFlight.reset();
    m_differences.clear();
    m_failed.clear();
    m_lastSent.clear();
    m_lostReason.clear();
    m_journalError.clear();
    m_pacer.takeAll();

    LiveLink::Settings linkSettings{m_target.transfer, m_settings.firstRetry,
                                    m_settings.longestRetry};
    linkSettings.transfer.responseTimeout = m_settings.replyTimeout;
    m_link = std::make_unique<LiveLink>(m_target.makeChannel, linkSettings);
    connect(m_link.get(), &LiveLink::opened, this, &LiveSession::onOpened);
    connect(m_link.get(), &LiveLink::openFailed, this,
            [this](const QString& error, bool turnedAway) { abandonStart(error, turnedAway); });
    connect(m_link.get(), &LiveLink::lost, this, &LiveSession::onLost);
    connect(m_link.get(), &LiveLink::retryScheduled, this, [this](int, int delayMs) {
        m_retrySeconds = (delayMs + 999) / 1000;
        publish();
    });
    connect(m_link.get(), &LiveLink::transferFinished, this, &LiveSession::onTransferFinished);
    m_phase = Phase::Opening;
    publish();
    m_link->open();
}

void LiveSession::onOpened(bool again)
{
    if (again) {
        m_lostReason.clear();
        m_checking = true;
        m_readingAgain = false;
        fetchUnit();
    } else {
        m_phase = Phase::Fetching;
        fetchUnit();
    }
    publish();
}

void LiveSession::fetchUnit()
{
    if (!m_link || !m_link->isOpen() || m_link->isBusy())
        return;
    m_fetching = m_link->fetch() != nullptr;
}

void LiveSession::onTransferFinished(link::Transfer* transfer)
{
    if (!std::exchange(m_fetching, false)) {
        onSendFinished(transfer);
        return;
    }
    const auto* fetch = static_cast<link::ImportTransfer*>(transfer);
    onFetched(fetch->receivedText(), fetch->outcome() == link::TransferOutcome::Completed,
              fetch->incompleteReason());
}

void LiveSession::onFetched(const QString& text, bool whole, const QString& why)
{
    if (m_phase == Phase::Off)
        return;
    const bool again = std::exchange(m_readingAgain, false);
    if (!whole) {
        if (m_phase == Phase::Fetching)
            abandonStart(tr("the unit's configuration did not come whole (%1)").arg(why), false);
        else if (m_phase == Phase::ReadingBack)
            endNow(true); // left without a read back: nothing is said of what the unit holds
        else if (again)
            m_reads.postpone();
        else if (m_link->isOpen()) // the link is up but the unit did not answer: ask again
            m_refetch.start(m_settings.firstRetry);
        publish();
        scheduleSend();
        return;
    }
    QString found = text;
    found.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_config.fetchedFromUnit(text::toLatin1(text), m_link->peer());
    const model::ConfigModel unit = m_config.lastFetchedFromUnit()->model;
    if (m_phase == Phase::ReadingBack) {
        const QString error =
            keepInJournal(journal::Direction::FromUnit, text::toLatin1(found),
                          QStringLiteral("live mode ended: the unit as read back"));
        if (!error.isEmpty())
            m_journalError = error;
        endNow(true, unit);
        return;
    }
    if (m_phase == Phase::Fetching) {
        m_picture.start(unit);
        m_foundText = text::toLatin1(found);
        m_differences = model::compareConfigurations(unit, m_config.model());
        if (m_differences.empty()) {
            begin(m_foundText);
            return;
        }
        m_phase = Phase::Deciding;
        m_unitDiffers = true;
        m_found = Found::AtStart;
        publish();
        emit unitDiffers(true);
        return;
    }
    m_found = again ? Found::ReadAgain : Found::LinkBack;
    onReadAgain(unit, text::toLatin1(found));
}

void LiveSession::onReadAgain(const model::ConfigModel& unit, const std::string& foundText)
{
    // The unit must still hold what it acknowledged (a unit switched off and on, or changed at
    // its keypad or by another program, does not).
    m_checking = false;
    if (!model::compareConfigurations(m_picture.model(), unit).empty()) {
        const QString error = keepInJournal(
            journal::Direction::FromUnit, foundText,
            QStringLiteral("live mode: the unit read again, changed since it was last read"));
        if (!error.isEmpty())
            m_journalError = error;
        m_picture.start(unit);
        m_lastSent.clear();
        m_failed.clear();
        m_differences = model::compareConfigurations(unit, m_config.model());
        m_unitDiffers = !m_differences.empty();
    }
    if (!m_unitDiffers)
        m_reads.readAgreed();
    publish();
    if (m_unitDiffers)
        emit unitDiffers(false);
    else
        scheduleSend();
}

void LiveSession::readAgain()
{
    if (m_phase != Phase::Live || !m_link || !m_link->isOpen() || m_checking || m_unitDiffers)
        return; // the link's return, or the user's answer, reads or decides first
    if (m_link->isBusy() || m_inFlight || m_pacer.waitingCount() > 0 || m_asking) {
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
    m_phase = Phase::ReadingBack;
    m_readingAgain = false;
    fetchUnit();
    if (!m_fetching)
        endNow(true);
    else
        publish();
}

void LiveSession::begin(const std::string& foundText)
{
    m_phase = Phase::Live;
    m_begun = true;
    m_unitDiffers = false;
    m_differences.clear();
    takeEditedAsSeen();
    m_reads.readAgreed();
    m_journalError = keepInJournal(journal::Direction::FromUnit, foundText,
                                   QStringLiteral("live mode started: the unit as found"));
    publish();
    scheduleSend();
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
    const bool atStart = m_phase == Phase::Deciding;
    m_unitDiffers = false;
    m_differences.clear();
    if (side == Side::TakeUnits) {
        m_pacer.takeAll();
        m_failed.clear();
        m_lastSent.clear();
        m_config.replaceModel(
            m_picture.model(),
            EditStep{tr("Take the Unit's Configuration"), {}, model::DiffSubject::Unit, 0});
    }
    if (atStart) {
        begin(m_foundText);
    } else {
        takeEditedAsSeen();
        m_reads.readAgreed(); // the unit was read; the edits that win go now
    }
    if (side == Side::SendEdited)
        queueAll(m_picture.differingFrom(m_config.model()));
    publish();
    scheduleSend();
}

void LiveSession::onLost(const QString& reason)
{
    m_lostReason = reason;
    m_checking = false;
    m_refetch.stop();
    if (m_phase == Phase::Opening || m_phase == Phase::Fetching) {
        abandonStart(tr("the link was lost (%1)").arg(reason), false);
        return;
    }
    if (m_phase == Phase::Ending || m_phase == Phase::ReadingBack) {
        cancelNow();
        return;
    }
    m_readingAgain = false;
    publish();
}

void LiveSession::abandonStart(const QString& why, bool turnedAway)
{
    m_phase = Phase::Off;
    dropLink();
    publish();
    emit startFailed(why, turnedAway);
}

void LiveSession::stop(Ending how)
{
    if (m_phase == Phase::Off)
        return;
    if (m_phase == Phase::ReadingBack) {
        if (how == Ending::Cancel)
            cancelNow();
        return;
    }
    if (m_phase != Phase::Live && m_phase != Phase::Ending) {
        endNow(false); // nothing was sent yet
        return;
    }
    m_pendingAtStop =
        m_pacer.waitingCount() + (m_inFlight ? static_cast<int>(m_inFlight->blocks.size()) : 0);
    const bool canFinish = m_link && m_link->isOpen() && !m_checking && !m_unitDiffers;
    if (how == Ending::Finish && canFinish) {
        m_phase = Phase::Ending;
        m_ending = Ending::Finish;
        m_pacer.releaseAll();
        publish();
        scheduleSend();
        finishEnding();
        return;
    }
    cancelNow();
}

void LiveSession::cancelNow()
{
    m_ending = Ending::Cancel; // the block stopped below does not finish the ending
    for (const model::WriterBlock& block : m_pacer.takeAll())
        m_dropped.insert(block);
    // A read stopped here ends nothing more: the end is said once, below.
    m_fetching = m_readingAgain = false;
    if (m_link)
        m_link->cancelTransfer(); // its blocks are not applied
    endNow(false);
}

void LiveSession::finishEnding()
{
    if (m_phase == Phase::Ending && m_ending == Ending::Finish && !m_inFlight &&
        m_pacer.waitingCount() == 0 && !(m_link && m_link->isBusy()))
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
        const std::set<model::WriterBlock> differing = m_picture.differingFrom(m_config.model());
        std::set<model::WriterBlock> notSent = notAppliedBlocks(differing);
        for (const model::WriterBlock& block : m_pacer.takeAll())
            notSent.insert(block);
        notSent.insert(m_dropped.begin(), m_dropped.end());
        end.notSent = static_cast<int>(notSent.size());
        end.readBack = readBack.has_value();
        end.unitHoldsEdited =
            readBack && model::compareConfigurations(*readBack, m_config.model()).empty();
        end.linesSent = static_cast<int>(m_linesSent.size());
    }
    end.journalError = m_journalError;
    m_phase = Phase::Off;
    m_begun = m_checking = m_unitDiffers = m_fetching = m_readingAgain = false;
    m_dropped.clear();
    m_pacer.takeAll();
    m_refetch.stop();
    m_reads.stop();
    m_inFlight.reset();
    dropLink();
    publish();
    emit ended(end);
}

void LiveSession::dropLink()
{
    if (!m_link)
        return;
    m_link->disconnect(this);
    m_link->close();
    m_link.release()->deleteLater(); // it may be the one signalling now
}

QString LiveSession::keepInJournal(journal::Direction direction, const std::string& text,
                                   const QString& ending)
{
    if (!m_journal)
        return {};
    journal::Entry entry;
    entry.direction = direction;
    entry.unit = m_target.journalUnit;
    entry.whole = true; // a whole configuration, as fetched
    entry.ending = ending;
    return m_journal->record(entry, QByteArray::fromStdString(text));
}

void LiveSession::journalLinesSent()
{
    if (!m_journal || !m_begun || std::exchange(m_linesJournaled, true))
        return;
    journal::Entry entry;
    journal::setKind(entry, m_linesNotAcknowledged == 0 ? journal::Kind::LiveSend
                                                        : journal::Kind::IncompleteLiveSend);
    entry.unit = m_target.journalUnit;
    entry.ending = m_linesNotAcknowledged == 0
                       ? QStringLiteral("live mode: %1 lines sent").arg(m_linesSent.size())
                       : QStringLiteral("live mode: %1 lines sent, %2 not acknowledged")
                             .arg(m_linesSent.size())
                             .arg(m_linesNotAcknowledged);
    QByteArray text;
    for (const QString& line : m_linesSent)
        text += line.toLatin1() + "\r\n";
    const QString error = m_journal->record(entry, text);
    if (!error.isEmpty())
        m_journalError = error;
}

} // namespace zel::session
