#pragma once
// Where a visit to a unit began: what the unit held when the installer first read it that day,
// so that a report or History can tell what the visit changed.

#include "journal/journal_entry.h"

#include <QDate>
#include <QList>

#include <optional>

namespace zel::journal {

// Among `entries` (any order), the first whole fetch from `unit` on `day` (local time), whatever
// made it (a site backup counts). When there was none that day, the newest whole fetch from it
// before that day: what the unit held when the visit found it. Nothing when neither exists.
std::optional<Entry> visitStart(const QList<Entry>& entries, const QString& unit, const QDate& day);

} // namespace zel::journal
