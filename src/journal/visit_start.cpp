#include "journal/visit_start.h"

namespace zel::journal {

std::optional<Entry> visitStart(const QList<Entry>& entries, const QString& unit, const QDate& day)
{
    std::optional<Entry> firstThatDay, newestBefore;
    for (const Entry& entry : entries) {
        if (entry.unit != unit || kindOf(entry) != Kind::WholeFetch)
            continue;
        const QDate date = entry.time.toLocalTime().date();
        if (date == day) {
            if (!firstThatDay || entry.time < firstThatDay->time)
                firstThatDay = entry;
        } else if (date < day && (!newestBefore || entry.time > newestBefore->time)) {
            newestBefore = entry;
        }
    }
    return firstThatDay ? firstThatDay : newestBefore;
}

} // namespace zel::journal
