// A visit starts at the unit's first whole fetch of the day, else at what the unit last held
// before that day; other units, incomplete fetches and sends never start it.

#include "journal/visit_start.h"

#include <gtest/gtest.h>

namespace zel::journal {
namespace {

struct Made {
    const char* unit;
    Kind kind;
    int day; // of December 2026
    const char* time;
};

TEST(VisitStart, IsTheFirstWholeFetchOfTheDayElseTheNewestBefore)
{
    struct Case {
        const char* name;
        std::vector<Made> entries;
        int expected; // index into entries, -1 for none
    };
    const std::vector<Case> cases = {
        {"the first of the day, listed newest first",
         {{"tcp:a:23", Kind::WholeFetch, 10, "10:15:07"},
          {"tcp:a:23", Kind::WholeFetch, 10, "09:02:44"},
          {"tcp:a:23", Kind::WholeFetch, 9, "16:00:00"}},
         1},
        {"seconds tell two fetches of one minute apart",
         {{"tcp:a:23", Kind::WholeFetch, 10, "09:02:59"},
          {"tcp:a:23", Kind::WholeFetch, 10, "09:02:01"}},
         1},
        {"incomplete fetches, sends and other units never start it",
         {{"tcp:a:23", Kind::WholeFetch, 10, "11:00:00"},
          {"tcp:a:23", Kind::IncompleteFetch, 10, "08:00:00"},
          {"tcp:a:23", Kind::WholeSend, 10, "08:30:00"},
          {"tcp:b:23", Kind::WholeFetch, 10, "07:00:00"}},
         0},
        {"none today: the newest before today",
         {{"tcp:a:23", Kind::WholeFetch, 8, "10:00:00"},
          {"tcp:a:23", Kind::WholeFetch, 9, "17:30:00"},
          {"tcp:a:23", Kind::WholeFetch, 11, "09:00:00"}},
         1},
        {"never fetched whole", {{"tcp:a:23", Kind::IncompleteFetch, 10, "09:00:00"}}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<Entry> entries;
        for (const Made& made : c.entries) {
            Entry entry;
            setKind(entry, made.kind);
            entry.unit = QString::fromLatin1(made.unit);
            entry.time = QDateTime(QDate(2026, 12, made.day),
                                   QTime::fromString(QString::fromLatin1(made.time)));
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
