#pragma once
// What the last comparison with a unit fetched, for sending the rows the user ticks: the unit's
// configuration as it came and whether it came whole. It never stands for what the unit holds
// now: the rows are sent only after the unit is read again, and only when that read agrees.

#include "model/config_model.h"

#include <QString>

#include <string>
#include <vector>

namespace zel::session {

class ComparedUnit {
public:
    // The comparison fetched `text` from `unit` (as the journal names it), which `source` names
    // for the status line; not whole when `incompleteReason` says why. `edited`: the writer's
    // text of the configuration being edited then.
    void compared(const QString& unit, const QString& source, const std::string& text,
                  const QString& incompleteReason, const std::string& edited);
    void clear() { *this = ComparedUnit(); }

    bool isSet() const { return !m_unit.isEmpty(); }
    const QString& unit() const { return m_unit; }
    const QString& source() const { return m_source; }
    const QString& text() const { return m_text; }
    const QString& incompleteReason() const { return m_incompleteReason; }
    // The unit's configuration as read from the text.
    const model::ConfigModel& model() const { return m_model; }
    // What a whole configuration sets that the unit's text did not.
    const std::vector<std::string>& missingParts() const { return m_missing; }

    // Whether the configuration being edited, whose writer's text is `edited`, changed since.
    bool editedSince(const std::string& edited) const { return edited != m_edited; }

private:
    QString m_unit;
    QString m_source;
    QString m_text;
    QString m_incompleteReason;
    model::ConfigModel m_model;
    std::vector<std::string> m_missing;
    std::string m_edited;
};

} // namespace zel::session
