#include "session/send/unit_send.h"

#include <utility>

namespace zel::session::send {

UnitSend::UnitSend(UnitPort& port, SendAnswers& answers, QString directoryPath)
    : m_port(port), m_answers(answers), m_directoryPath(std::move(directoryPath))
{
}

void UnitSend::start(const QString& unit, Outgoing outgoing, Compose compose)
{
    m_unit = unit;
    m_outgoing = std::move(outgoing);
    m_compose = std::move(compose);
    m_read = UnitRead();
    m_stoppedBy.reset();
    m_ending = Ending::Reading;
    m_port.readUnit();
}

void UnitSend::abandon()
{
    if (m_ending == Ending::Reading)
        m_ending = Ending::Cancelled;
}

UnitSend::Ending UnitSend::readCame(const std::string& text, const QString& incompleteReason,
                                    bool cancelled)
{
    if (m_ending != Ending::Reading)
        return m_ending;
    if (cancelled) {
        m_ending = Ending::Cancelled;
        return m_ending;
    }
    m_read = UnitRead::of(text, incompleteReason);
    for (const Finding& finding : findings(m_outgoing, m_read, m_unit, m_directoryPath)) {
        if (!m_answers.goOn(finding) || finding.refusal) {
            m_stoppedBy = finding;
            m_ending = Ending::Declined;
            return m_ending;
        }
    }
    const std::vector<std::string> lines = m_compose(m_read.unit);
    if (lines.empty()) {
        m_ending = Ending::Nothing;
        return m_ending;
    }
    m_ending = Ending::Sent;
    m_port.sendLines(lines);
    return m_ending;
}

} // namespace zel::session::send
