#include "session/live/live_sender.h"

#include "link/export_transfer.h"
#include "model/command_language.h"
#include "model/member_lines.h"
#include "session/configuration/configuration_session.h"
#include "session/live/live_link.h"
#include "session/live/volume_raise.h"
#include "text/latin1_text.h"

#include <QTimer>

namespace zel::session {

namespace {

using Kind = model::WriterBlock::Kind;

const std::vector<std::string>& linesOf(const BlockLines& blocks, model::WriterBlock block)
{
    static const std::vector<std::string> kNone;
    const auto found = blocks.find(block);
    return found == blocks.end() ? kNone : found->second;
}

} // namespace

LiveSender::LiveSender(ConfigurationSession& config, UnitPicture& picture, SettleClock& clock,
                       QObject* parent)
    : QObject(parent), m_config(config), m_picture(picture),
      m_pacer(clock, LiveSettings{}.settleTime)
{
    connect(&m_pacer, &LivePacer::due, this, &LiveSender::scheduleSend);
}

void LiveSender::setSettings(const LiveSettings& settings)
{
    m_pacer.setSettleTime(settings.settleTime);
    m_volumeRaiseLimitDb = settings.volumeRaiseLimitDb;
}

void LiveSender::begin()
{
    m_active = true;
    m_linesSent.clear();
    m_linesNotAcknowledged = 0;
    m_rampZones.clear();
    m_inFlight.reset();
    forgetSent();
    m_pacer.takeAll();
}

void LiveSender::end()
{
    m_active = false;
    m_dropped.clear();
    m_pacer.takeAll();
    m_inFlight.reset();
}

void LiveSender::takeEditedAsSeen()
{
    m_seen = blockLines(m_config.model());
}

void LiveSender::forgetSent()
{
    m_lastSent.clear();
    m_failed.clear();
}

void LiveSender::edited(const EditStep& step)
{
    EditStep::Pace pace = step.pace;
    if (pace == EditStep::Pace::Single && !step.mergeKey.isEmpty())
        pace = EditStep::Pace::Series; // letters typed into a name
    const LivePacer::Pace paced = pace == EditStep::Pace::Single   ? LivePacer::Pace::AtOnce
                                  : pace == EditStep::Pace::Choice ? LivePacer::Pace::Rest
                                                                   : LivePacer::Pace::Settle;
    const BlockLines now = blockLines(m_config.model());
    for (const model::WriterBlock& block : differingBlocks(m_seen, now)) {
        if (block.kind == Kind::Network)
            continue;
        if (block.kind == Kind::ZoneAudio && pace == EditStep::Pace::Drag)
            m_rampZones.insert(block.number);
        else if (block.kind == Kind::ZoneAudio)
            m_rampZones.erase(block.number);
        if (linesOf(now, block) != reference(block))
            m_pacer.changed(block, paced);
        else if (pace == EditStep::Pace::Single)
            m_pacer.withdraw(block); // back to what the unit was sent last
        // A drag that crosses the value sent last keeps its place, so that it is not held back
        // while it goes to and fro; when its time comes an unchanged block goes by unsent.
    }
    m_seen = now;
}

const std::vector<std::string>& LiveSender::reference(model::WriterBlock block) const
{
    const auto sent = m_lastSent.find(block);
    return sent != m_lastSent.end() ? sent->second : linesOf(m_picture.lines(), block);
}

void LiveSender::queueAll(const std::set<model::WriterBlock>& blocks)
{
    for (const model::WriterBlock& block : blocks) {
        if (block.kind == Kind::Network)
            continue;
        m_lastSent.erase(block);
        m_pacer.changed(block, LivePacer::Pace::AtOnce);
    }
    scheduleSend();
}

void LiveSender::resendNotApplied()
{
    queueAll(notAppliedBlocks(m_picture.differingFrom(m_config.model())));
}

void LiveSender::dropWaiting()
{
    for (const model::WriterBlock& block : m_pacer.takeAll())
        m_dropped.insert(block);
}

void LiveSender::setLink(LiveLink* link)
{
    if (m_link)
        m_link->disconnect(this);
    m_link = link;
    if (m_link)
        connect(m_link, &LiveLink::sent, this, &LiveSender::onSent);
}

void LiveSender::releaseAll()
{
    m_pacer.releaseAll();
    scheduleSend();
}

void LiveSender::scheduleSend()
{
    if (std::exchange(m_sendScheduled, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_sendScheduled = false;
        sendDue();
    });
}

void LiveSender::sendDue()
{
    if (!m_active || !m_link || !m_link->isOpen() || m_link->isBusy() || m_asking ||
        (m_gate && !m_gate()))
        return;
    sendDueBlocks();
    emit sendingChanged();
}

void LiveSender::sendDueBlocks()
{
    std::set<model::WriterBlock> due = m_pacer.takeDue();
    const BlockLines edited = blockLines(m_config.model());
    // A block not applied goes again even when its lines are those the picture holds.
    std::erase_if(due, [&](model::WriterBlock block) {
        return !m_failed.contains(block) && linesOf(edited, block) == reference(block);
    });
    InFlight sending{due, m_config.model(), {}};
    if (!due.empty() && !limitRaises(sending.blocks, sending.sent))
        return;
    sending.lines = linesToSend(sending);
    if (sending.lines.isEmpty()) // nothing due, or what differed is on the unit already
        return;
    sending.lines << text::fromLatin1(model::kEndMarker);
    const BlockLines sent = blockLines(sending.sent);
    const BlockLines editedNow = blockLines(m_config.model()); // a declined raise was put back
    for (const model::WriterBlock& block : sending.blocks) {
        m_lastSent[block] = linesOf(sent, block);
        if (m_lastSent[block] != linesOf(editedNow, block))
            m_pacer.changed(block, LivePacer::Pace::Settle); // a volume on its way up
    }
    m_inFlight = std::move(sending);
    if (m_link->send(m_inFlight->lines))
        return;
    // The link went while the volume was asked about: the blocks wait for it.
    for (const model::WriterBlock& block : m_inFlight->blocks) {
        m_lastSent.erase(block);
        m_pacer.changed(block, LivePacer::Pace::AtOnce);
    }
    m_inFlight.reset();
}

QStringList LiveSender::linesToSend(const InFlight& sending) const
{
    // Only the members that differ from what the unit holds go; a block not applied goes whole.
    QStringList lines;
    for (const model::WriterBlock& block : sending.blocks) {
        std::vector<std::string> blockLines =
            model::memberLines(m_picture.model(), sending.sent, block);
        if (blockLines.empty() && m_failed.contains(block))
            blockLines = model::blockLinesOf(sending.sent, block);
        for (const std::string& line : blockLines)
            lines << text::fromLatin1(line);
    }
    return lines;
}

bool LiveSender::limitRaises(std::set<model::WriterBlock>& blocks, model::ConfigModel& toSend)
{
    const int limit = m_volumeRaiseLimitDb;
    std::vector<VolumeRaise> raises;
    for (const VolumeRaise& raise : volumeRaises(m_picture.model(), toSend, blocks, limit)) {
        model::ZoneAudio& zone = toSend.zoneAudio(raise.zone);
        // A dragged volume follows the hand at most `limit` dB a send, so the room hears it
        // rise rather than jump, without a question while the mouse holds the slider.
        if (m_rampZones.contains(raise.zone) && !zone.volumeLocked)
            zone.volume = static_cast<int8_t>(raise.fromDb + limit);
        else
            raises.push_back(raise);
    }
    if (raises.empty())
        return true;
    m_asking = true;
    const bool allowed = m_askRaise && m_askRaise(raises);
    m_asking = false;
    if (!m_active)
        return false; // ended while the question was open
    if (allowed)
        return true;
    // Declined: those volumes are put back to what the unit holds, as one edit; whatever else
    // changed in their blocks goes with that edit.
    model::ConfigModel kept = m_config.model();
    for (const VolumeRaise& raise : raises) {
        keepUnitVolume(m_picture.model(), kept, raise.zone);
        keepUnitVolume(m_picture.model(), toSend, raise.zone);
    }
    const VolumeRaise& first = raises.front();
    m_config.replaceModel(kept, EditStep{tr("Zone %1 Volume Kept").arg(first.zone),
                                         {},
                                         model::DiffSubject::ZoneAudio,
                                         first.zone});
    return true;
}

void LiveSender::onSent(const link::ExportTransfer& transfer)
{
    if (!m_inFlight)
        return;
    const InFlight sent = std::move(*m_inFlight);
    m_inFlight.reset();
    // What the unit acknowledged it holds, read into the picture as the unit reads it.
    const bool completed = transfer.outcome() == link::TransferOutcome::Completed;
    const int acknowledged =
        completed ? static_cast<int>(sent.lines.size())
                  : std::min(transfer.linesAcknowledged(), static_cast<int>(sent.lines.size()));
    std::vector<std::string> taken;
    for (int i = 0; i < acknowledged; ++i) {
        m_linesSent << sent.lines[i];
        if (sent.lines[i] != text::fromLatin1(model::kEndMarker))
            taken.push_back(text::toLatin1(sent.lines[i]));
    }
    m_linesNotAcknowledged += static_cast<int>(sent.lines.size()) - acknowledged;
    if (!taken.empty())
        m_picture.partlyAcknowledged(taken);
    for (const model::WriterBlock& block : sent.blocks) {
        if (completed) {
            m_failed.erase(block);
        } else {
            // Every block of the send is not applied, since the send as a whole (its end line
            // last) was not.
            m_failed.insert(block);
            m_lastSent.erase(block);
        }
    }
    emit sendingChanged();
    scheduleSend();
}

int LiveSender::pendingCount() const
{
    return m_pacer.waitingCount() + (m_inFlight ? static_cast<int>(m_inFlight->blocks.size()) : 0);
}

std::set<model::WriterBlock>
LiveSender::notAppliedBlocks(const std::set<model::WriterBlock>& differing) const
{
    std::set<model::WriterBlock> blocks = m_failed;
    for (const model::WriterBlock& block : differing)
        if (block.kind != Kind::Network)
            blocks.insert(block);
    std::erase_if(blocks, [this](model::WriterBlock block) {
        return m_pacer.isWaiting(block) || (m_inFlight && m_inFlight->blocks.contains(block));
    });
    return blocks;
}

void LiveSender::addStatusFacts(LiveFacts& facts) const
{
    facts.pending = pendingCount();
    const std::set<model::WriterBlock> differing = m_picture.differingFrom(m_config.model());
    facts.notApplied = static_cast<int>(notAppliedBlocks(differing).size());
    facts.differs = !differing.empty();
}

std::set<model::WriterBlock>
LiveSender::notSentBlocks(const std::set<model::WriterBlock>& differing)
{
    std::set<model::WriterBlock> notSent = notAppliedBlocks(differing);
    for (const model::WriterBlock& block : m_pacer.takeAll())
        notSent.insert(block);
    notSent.insert(m_dropped.begin(), m_dropped.end());
    return notSent;
}

} // namespace zel::session
