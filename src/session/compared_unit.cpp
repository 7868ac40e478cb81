#include "session/compared_unit.h"

#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/whole_configuration.h"
#include "text/latin1_text.h"

namespace zel::session {

void ComparedUnit::compared(const QString& unit, const QString& source, const std::string& text,
                            const QString& incompleteReason, const std::string& edited,
                            const QDateTime& when, quint64 transfers)
{
    m_unit = unit;
    m_source = source;
    m_text = text::fromLatin1(text);
    m_incompleteReason = incompleteReason;
    m_edited = edited;
    m_when = when;
    m_transfers = transfers;
    m_model = model::ConfigModel();
    model::resetModel(m_model);
    model::LogLines log;
    const model::ReadSummary read = model::readText(m_model, text, log);
    model::markUnavailableGroups(m_model);
    m_missing = model::missingFromWhole(m_model, read.coverage);
}

bool ComparedUnit::isFresh(const QDateTime& now, quint64 transfers) const
{
    return isSet() && transfers == m_transfers && m_when.isValid() &&
           m_when.msecsTo(now) <= kFreshForMs && m_when.msecsTo(now) >= 0;
}

} // namespace zel::session
