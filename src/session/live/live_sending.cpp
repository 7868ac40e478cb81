// Live mode's sending: edits marked per block, the pacer's due blocks sent as one, the volume
// question, and what the unit acknowledged taken into its picture.
#include "session/live/live_session.h"

#include "link/export_transfer.h"
#include "model/command_language.h"
#include "model/member_lines.h"
#include "session/configuration/configuration_session.h"
#include "session/live/live_link.h"
#include "session/live/volume_raise.h"
#include "text/latin1_text.h"

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

void LiveSession::onModelChanged(const EditStep& step)
{
    // Before live mode has begun, the comparison takes the model as it is then.
    if (m_phase != Phase::Live && m_phase != Phase::Ending)
        return;
    EditStep::Pace pace = step.pace;
    if (pace == EditStep::Pace::Single && !step.mergeKey.isEmpty())
        pace = EditStep::Pace::Series; // letters typed into a name
    m_reads.edited();
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
    publish();
    scheduleSend();
}

void LiveSession::takeEditedAsSeen()
{
    m_seen = blockLines(m_config.model());
}

const std::vector<std::string>& LiveSession::reference(model::WriterBlock block) const
{
    const auto sent = m_lastSent.find(block);
    return sent != m_lastSent.end() ? sent->second : linesOf(m_picture.lines(), block);
}

void LiveSession::release()
{
    m_pacer.releaseAll();
    scheduleSend();
}

void LiveSession::resend()
{
    if (m_phase == Phase::Live)
        queueAll(notAppliedBlocks(m_picture.differingFrom(m_config.model())));
}

void LiveSession::queueAll(const std::set<model::WriterBlock>& blocks)
{
    for (const model::WriterBlock& block : blocks) {
        if (block.kind == Kind::Network)
            continue;
        m_lastSent.erase(block);
        m_pacer.changed(block, LivePacer::Pace::AtOnce);
    }
    publish();
    scheduleSend();
}

void LiveSession::scheduleSend()
{
    if (std::exchange(m_sendScheduled, true))
        return;
    // Never from inside an edit: the page that reported it is still at work.
    QTimer::singleShot(0, this, [this] {
        m_sendScheduled = false;
        sendDue();
    });
}

void LiveSession::sendDue()
{
    if ((m_phase != Phase::Live && m_phase != Phase::Ending) || !m_link || !m_link->isOpen() ||
        m_link->isBusy() || m_checking || m_unitDiffers || m_asking)
        return;
    std::set<model::WriterBlock> due = m_pacer.takeDue();
    const BlockLines edited = blockLines(m_config.model());
    // A block not applied goes again even when its lines are those the picture holds.
    std::erase_if(due, [&](model::WriterBlock block) {
        return !m_failed.contains(block) && linesOf(edited, block) == reference(block);
    });
    InFlight sending{due, m_config.model(), {}};
    if (!due.empty() && !limitRaises(sending.blocks, sending.sent))
        sending.blocks.clear();
    if (sending.blocks.empty()) {
        publish();
        finishEnding();
        return;
    }
    // Only the members that differ from what the unit holds go; a block not applied goes whole.
    for (const model::WriterBlock& block : sending.blocks) {
        std::vector<std::string> lines = model::memberLines(m_picture.model(), sending.sent, block);
        if (lines.empty() && m_failed.contains(block))
            lines = model::blockLinesOf(sending.sent, block);
        for (const std::string& line : lines)
            sending.lines << text::fromLatin1(line);
    }
    if (sending.lines.isEmpty()) { // what differed is on the unit already
        publish();
        finishEnding();
        return;
    }
    sending.lines << text::fromLatin1(model::kEndMarker);
    const BlockLines sent = blockLines(sending.sent);
    const BlockLines editedNow = blockLines(m_config.model()); // a declined raise was put back
    for (const model::WriterBlock& block : sending.blocks) {
        m_lastSent[block] = linesOf(sent, block);
        if (m_lastSent[block] != linesOf(editedNow, block))
            m_pacer.changed(block, LivePacer::Pace::Settle); // a volume on its way up
    }
    m_inFlight = std::move(sending);
    if (!m_link->send(m_inFlight->lines)) {
        // The link went while the volume was asked about: the blocks wait for it.
        for (const model::WriterBlock& block : m_inFlight->blocks) {
            m_lastSent.erase(block);
            m_pacer.changed(block, LivePacer::Pace::AtOnce);
        }
        m_inFlight.reset();
    }
    publish();
}

bool LiveSession::limitRaises(std::set<model::WriterBlock>& blocks, model::ConfigModel& toSend)
{
    const int limit = m_settings.volumeRaiseLimitDb;
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
    if (m_phase == Phase::Off)
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

void LiveSession::onSendFinished(link::Transfer* transfer)
{
    if (!m_inFlight)
        return;
    const InFlight sent = std::move(*m_inFlight);
    m_inFlight.reset();
    // What the unit acknowledged it holds, read into the picture as the unit reads it.
    const auto* exported = static_cast<const link::ExportTransfer*>(transfer);
    const bool completed = transfer->outcome() == link::TransferOutcome::Completed;
    const int acknowledged =
        completed ? static_cast<int>(sent.lines.size())
                  : std::min(exported->linesAcknowledged(), static_cast<int>(sent.lines.size()));
    std::vector<std::string> taken;
    for (int i = 0; i < acknowledged; ++i) {
        m_linesSent << sent.lines[i];
        if (sent.lines[i] != text::fromLatin1(model::kEndMarker))
            taken.push_back(text::toLatin1(sent.lines[i]));
    }
    m_linesNotAcknowledged += static_cast<int>(sent.lines.size()) - acknowledged;
    if (!taken.empty())
        m_picture.partlyAcknowledged(taken);
    if (completed) {
        for (const model::WriterBlock& block : sent.blocks)
            m_failed.erase(block);
    } else {
        // Every block of the send is not applied, since the send as a whole (its end line
        // last) was not.
        for (const model::WriterBlock& block : sent.blocks) {
            m_failed.insert(block);
            m_lastSent.erase(block);
        }
    }
    publish();
    finishEnding();
    scheduleSend();
}

std::set<model::WriterBlock>
LiveSession::notAppliedBlocks(const std::set<model::WriterBlock>& differing) const
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

} // namespace zel::session
