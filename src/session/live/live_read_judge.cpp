// What a read of the unit means to live mode: whether it agrees, differs or is another unit, who
// wins, and the journal's keeping of the start read and the read back.
#include "session/live/live_read_judge.h"

#include "model/dump_shortfall.h"
#include "session/configuration/configuration_session.h"
#include "session/configuration/edit_step.h"
#include "session/live/live_journal.h"
#include "session/live/live_read_schedule.h"
#include "session/live/live_sender.h"
#include "session/live/unit_picture.h"
#include "text/latin1_text.h"

namespace zel::session {

LiveReadJudge::LiveReadJudge(ConfigurationSession& config, const LiveTarget& target,
                             UnitPicture& picture, LiveSender& sender, LiveJournal& journal,
                             LiveReadSchedule& reads)
    : m_config(config), m_target(target), m_picture(picture), m_sender(sender), m_journal(journal),
      m_reads(reads)
{
}

void LiveReadJudge::reset()
{
    m_unitDiffers = m_heldElsewhere = false;
    m_anotherUnit.reset();
    m_found = Found::AtStart;
    m_differences.clear();
}

LiveReadJudge::Read LiveReadJudge::take(const QString& text, bool whole, const QString& why,
                                        Kind kind)
{
    QString received = text;
    received.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    Read read;
    read.text = text::toLatin1(received);
    // A dump that ended without a whole configuration (a device that only echoes) is no read of
    // the unit.
    read.shortfall = whole ? QString::fromStdString(model::dumpShortfall(read.text)) : why;
    read.whole = whole && read.shortfall.isEmpty();
    if (kind == Kind::Start || kind == Kind::Back)
        m_journal.keepRead(kind == Kind::Start ? journal::Cause::LiveStart
                                               : journal::Cause::LiveEnd,
                           read.text, read.whole,
                           !read.whole           ? read.shortfall
                           : kind == Kind::Start ? tr("going live: the unit as found")
                                                 : tr("live mode ended: the unit as read back"));
    return read;
}

LiveReadJudge::Verdict LiveReadJudge::readAtStart(const model::ConfigModel& unit)
{
    m_picture.start(unit);
    const UnitFingerprint read = fingerprintOf(unit);
    // Another window live on this unit, by whatever address or port, keeps it.
    if (m_claim && !m_claim(read)) {
        m_heldElsewhere = true;
        return Verdict::HeldElsewhere;
    }
    m_differences = model::compareConfigurations(unit, m_config.model());
    m_anotherUnit = identityMismatchWithRead(m_config.model(), true, m_target.journalUnit, read,
                                             m_target.directoryPath);
    return m_anotherUnit ? Verdict::AnotherUnit : decideStart();
}

LiveReadJudge::Verdict LiveReadJudge::decideStart()
{
    if (m_differences.empty())
        return Verdict::Agrees;
    m_unitDiffers = true;
    m_found = Found::AtStart;
    return Verdict::Differs;
}

LiveReadJudge::Verdict LiveReadJudge::answerAnotherUnit(bool goOn, bool atStart)
{
    if (!std::exchange(m_anotherUnit, std::nullopt))
        return Verdict::Nothing;
    if (!goOn)
        return Verdict::Leave; // nothing was sent to it
    if (atStart)
        return decideStart();
    if (m_claim && !m_claim(fingerprintOf(m_picture.model()))) {
        m_heldElsewhere = true;
        return Verdict::HeldElsewhere;
    }
    return decideAgain(true);
}

LiveReadJudge::Verdict LiveReadJudge::readWhileLive(const model::ConfigModel& unit,
                                                    const std::string& foundText, Kind kind)
{
    m_found = kind == Kind::Again ? Found::ReadAgain : Found::LinkBack;
    // The unit must still hold what it acknowledged (a unit switched off and on, or changed at
    // its keypad or by another program, does not).
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
            return Verdict::AnotherUnit;
        }
    }
    return decideAgain(changed);
}

LiveReadJudge::Verdict LiveReadJudge::decideAgain(bool changed)
{
    if (m_anotherUnit) // the answer about the unit decides first
        return Verdict::Asking;
    if (changed)
        m_unitDiffers = !m_differences.empty();
    if (m_unitDiffers)
        return Verdict::Differs;
    m_reads.readAgreed();
    // The unit held follows what it is now, zones renamed live and all; whoever else holds it
    // by then is for the next window that goes live to hear of.
    if (m_claim)
        m_claim(fingerprintOf(m_picture.model()));
    return Verdict::Agrees;
}

bool LiveReadJudge::canSendEdited() const
{
    const model::ConfigModel& unit = m_picture.model();
    return unit.zoneCount() == m_config.model().zoneCount() &&
           unit.sourceCount() == m_config.model().sourceCount();
}

bool LiveReadJudge::resolve(Side side, bool atStart)
{
    if (!m_unitDiffers || (side == Side::SendEdited && !canSendEdited()))
        return false;
    settle();
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
    return true;
}

void LiveReadJudge::settle()
{
    m_unitDiffers = false;
    m_differences.clear();
}

void LiveReadJudge::end()
{
    m_unitDiffers = false;
    m_anotherUnit.reset();
}

LiveEnd LiveReadJudge::endOf(bool began, bool finished,
                             const std::optional<model::ConfigModel>& readBack)
{
    LiveEnd end;
    end.began = began;
    end.finished = finished;
    if (began) {
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
    return end;
}

} // namespace zel::session
