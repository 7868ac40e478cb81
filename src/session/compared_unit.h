#pragma once
// What the last comparison with a unit fetched, for sending the rows the user ticks: the unit's
// configuration as it came, whether it came whole, when, and whether a transfer since may have
// changed what the unit holds. Rows are sent against what the unit holds now: a comparison older
// than a minute, or one that another transfer may have outdated, is fetched again first.

#include "model/config_model.h"

#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

namespace zel::session {

class ComparedUnit {
public:
    // How long a comparison stands for what the unit holds: another installer, or the unit's own
    // keypad, may change it at any time.
    static constexpr qint64 kFreshForMs = 60 * 1000;

    // The comparison fetched `text` from `unit` (as the journal names it), which `source` names
    // for the status line; not whole when `incompleteReason` says why. `edited`: the writer's
    // text of the configuration being edited then. `when` comes from the window's clock;
    // `transfers` is how many transfers had started by then.
    void compared(const QString& unit, const QString& source, const std::string& text,
                  const QString& incompleteReason, const std::string& edited, const QDateTime& when,
                  quint64 transfers);
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

    // Whether it still stands for what the unit holds: fetched at most a minute before `now`,
    // with no transfer started since.
    bool isFresh(const QDateTime& now, quint64 transfers) const;
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
    QDateTime m_when;
    quint64 m_transfers = 0;
};

} // namespace zel::session
