// Live mode's life: going live, the link lost and back, which side wins, leaving, the journal.
#include "session/live_session.h"

#include "journal/journal.h"
#include "link/import_transfer.h"
#include "session/configuration_session.h"
#include "session/live_link.h"
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
}

LiveSession::~LiveSession() = default;

void LiveSession::setSettings(const LiveSettings& settings)
{
    m_settings = settings;
    m_pacer.setSettleTime(settings.settleTime);
}

void LiveSession::start(LiveTarget target, bool unitHoldsEdited)
{
    if (m_phase != Phase::Off)
        return;
    m_target = std::move(target);
    m_begun = m_checking = m_unitDiffers = m_fetching = false;
    m_rampZones.clear();
    m_unitKnown = unitHoldsEdited;
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
        fetchUnit();
    } else if (m_unitKnown) {
        m_picture.start(m_config.model());
        begin(m_picture.wholeText());
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
    if (!whole) {
        if (m_phase == Phase::Fetching)
            abandonStart(tr("the unit's configuration did not come whole (%1)").arg(why), false);
        else if (m_link->isOpen()) // the link is up but the unit did not answer: ask again
            m_refetch.start(m_settings.firstRetry);
        return;
    }
    QString found = text;
    found.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_config.fetchedFromUnit(text::toLatin1(text), m_link->peer());
    const model::ConfigModel unit = m_config.lastFetchedFromUnit()->model;
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
        publish();
        emit unitDiffers(true);
        return;
    }
    // The link came back: the unit must still hold what it acknowledged (a unit switched off and
    // on, or changed from its keypad, does not).
    m_checking = false;
    if (!model::compareConfigurations(m_picture.model(), unit).empty()) {
        m_picture.start(unit);
        m_lastSent.clear();
        m_differences = model::compareConfigurations(unit, m_config.model());
        m_unitDiffers = !m_differences.empty();
    }
    publish();
    if (m_unitDiffers)
        emit unitDiffers(false);
    else
        scheduleSend();
}

void LiveSession::begin(const std::string& foundText)
{
    m_phase = Phase::Live;
    m_begun = true;
    m_unitDiffers = false;
    m_differences.clear();
    takeEditedAsSeen();
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
    if (atStart)
        begin(m_foundText);
    else
        takeEditedAsSeen();
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
    if (m_phase == Phase::Ending) {
        cancelNow();
        return;
    }
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
    if (m_link)
        m_link->cancelTransfer(); // its blocks are not applied
    endNow(false);
}

void LiveSession::finishEnding()
{
    if (m_phase == Phase::Ending && m_ending == Ending::Finish && !m_inFlight &&
        m_pacer.waitingCount() == 0)
        endNow(true);
}

void LiveSession::endNow(bool finished)
{
    LiveEnd end;
    end.began = m_begun;
    end.pending = std::exchange(m_pendingAtStop, 0);
    end.finished = finished;
    if (m_begun) {
        const std::set<model::WriterBlock> differing = m_picture.differingFrom(m_config.model());
        std::set<model::WriterBlock> notSent = notAppliedBlocks(differing);
        for (const model::WriterBlock& block : m_pacer.takeAll())
            notSent.insert(block);
        notSent.insert(m_dropped.begin(), m_dropped.end());
        end.notSent = static_cast<int>(notSent.size());
        end.unitHoldsEdited = m_failed.empty() && differing.empty();
        const QString error = keepInJournal(
            journal::Direction::ToUnit, m_picture.wholeText(),
            QStringLiteral(
                "live mode ended: the unit as left, composed from what it acknowledged"));
        if (!error.isEmpty())
            m_journalError = error;
    }
    end.journalError = m_journalError;
    m_phase = Phase::Off;
    m_begun = m_checking = m_unitDiffers = m_fetching = false;
    m_dropped.clear();
    m_pacer.takeAll();
    m_refetch.stop();
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
    entry.whole = true; // a whole configuration: as fetched, or composed from what was taken
    entry.ending = ending;
    return m_journal->record(entry, QByteArray::fromStdString(text));
}

} // namespace zel::session
