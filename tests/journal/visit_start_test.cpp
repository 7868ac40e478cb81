// A visit starts at the unit's first whole fetch of the day, else at what the unit last held
// before that day; other units, incomplete fetches and sends never start it.

#include "journal/visit_start.h"

#include <gtest/gtest.h>

namespace zel::journal {
namespace {

TEST(VisitStart, IsTheFirstWholeFetchOfTheDayElseTheNewestBefore)
{
    // Each entry "UNIT KIND DAY TIME" (KIND: F whole fetch, I incomplete fetch, S whole send; DAY
    // of December 2026), newest first; the visit of unit a on the 10th starts at `expected`.
    const struct {
        const char* name;
        QStringList entries;
        int expected; // -1: none
    } cases[] = {
        {"the first of the day", {"a F 10 10:15:07", "a F 10 09:02:44", "a F 9 16:00:00"}, 1},
        {"seconds tell two fetches of one minute apart", {"a F 10 09:02:59", "a F 10 09:02:01"}, 1},
        {"incomplete fetches, sends and other units never start it",
         {"a F 10 11:00:00", "a I 10 08:00:00", "a S 10 08:30:00", "b F 10 07:00:00"},
         0},
        {"none today: the newest before today",
         {"a F 8 10:00:00", "a F 9 17:30:00", "a F 11 09:00:00"},
         1},
        {"never fetched whole", {"a I 10 09:00:00"}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QList<Entry> entries;
        for (const QString& made : c.entries) {
            const QStringList field = made.split(u' ');
            Entry entry;
            setKind(entry, field[1] == "F"   ? Kind::WholeFetch
                           : field[1] == "I" ? Kind::IncompleteFetch
                                             : Kind::WholeSend);
            entry.unit = "tcp:" + field[0] + ":23";
            entry.time = QDateTime(QDate(2026, 12, field[2].toInt()), QTime::fromString(field[3]));
            entries.append(entry);
        }
        const std::optional<Entry> start = visitStart(entries, "tcp:a:23", QDate(2026, 12, 10));
        ASSERT_EQ(start.has_value(), c.expected >= 0);
        if (start)
            EXPECT_EQ(start->time, entries[c.expected].time);
    }
}

} // namespace
} // namespace zel::journal
