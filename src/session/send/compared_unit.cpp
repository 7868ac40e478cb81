#include "session/send/compared_unit.h"

#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/whole_configuration.h"
#include "text/latin1_text.h"

namespace zel::session {

void ComparedUnit::compared(const QString& unit, const QString& source, const std::string& text,
                            const QString& incompleteReason, const std::string& edited)
{
    m_unit = unit;
    m_source = source;
    m_text = text::fromLatin1(text);
    m_incompleteReason = incompleteReason;
    m_edited = edited;
    m_model = model::ConfigModel();
    model::resetModel(m_model);
    model::LogLines log;
    const model::ReadSummary read = model::readText(m_model, text, log);
    model::markUnavailableGroups(m_model);
    m_missing = model::missingFromWhole(m_model, read.coverage);
}

} // namespace zel::session
