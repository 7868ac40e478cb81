// The journal's bound: beyond its limits entries go, with their files, the ones that did not end
// whole first and then the oldest; never a kept entry, a unit's newest whole fetch or the newest.

#include "journal/journal.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::journal {
namespace {

struct Recorded {
    Kind kind;
    const char* unit = "tcp:a:23";
    int size = 1000; // of the text; its header adds less than 200 bytes
    bool kept = false;
    const char* identity = ""; // as its remark lines give it
    bool named = false;        // named elsewhere (a site's backup): BoundProtection::files
};

TEST(JournalLimits, DropsJunkThenTheOldestButNeverWhatIsKeptOrAUnitsNewestWholeFetch)
{
    struct Case {
        const char* name;
        Limits limits;
        std::vector<Recorded> records; // oldest first
        std::vector<int> left;         // the records still there, oldest first
    };
    const Recorded send{Kind::WholeSend};
    // A unit flooding the journal with cut fetches, after another's only whole fetch.
    std::vector<Recorded> flooded(61, {Kind::IncompleteFetch, "tcp:flood:23"});
    flooded[0] = {Kind::WholeFetch, "tcp:quiet:23"};
    // clang-format off
    const std::vector<Case> cases = {
        {"by count", {3, 1 << 20}, {send, send, send, send, send}, {2, 3, 4}},
        {"by bytes", {10, 2500}, {send, send, send}, {1, 2}},
        {"the newest stays", {10, 2500}, {send, {Kind::WholeSend, "tcp:a:23", 5000}}, {1}},
        {"within the default", {}, {send, send, send, send, send}, {0, 1, 2, 3, 4}},
        {"kept", {2, 1 << 20}, {{Kind::WholeSend, "tcp:a:23", 1000, true}, send, send}, {0, 2}},
        {"newest whole fetch of each unit", {3, 1 << 20},
         {{Kind::WholeFetch, "tcp:b:23"}, {Kind::WholeFetch}, {Kind::WholeFetch}, send, send}, {0, 2, 4}},
        {"not whole first", {3, 1 << 20},
         {send, {Kind::IncompleteFetch}, send, {Kind::IncompleteSend}, send,
          {Kind::IncompletePartialSend}, {Kind::PartialSend}}, {2, 4, 6}},
        {"a flooding unit", {500, 9500}, flooded, {0, 54, 55, 56, 57, 58, 59, 60}},
        {"by identity, not address", {3, 1 << 20},
         {{Kind::WholeFetch, "tcp:a:23", 1000, false, "lobby"}, {Kind::WholeFetch}, {Kind::WholeFetch},
          {Kind::WholeFetch}}, {0, 2, 3}},
        {"named elsewhere", {2, 1 << 20},
         {{Kind::WholeSend, "tcp:a:23", 1000, false, "", true}, send, send, send}, {0, 3}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QTemporaryDir folder;
        Journal journal(folder.path() + QStringLiteral("/journal"), c.limits);
        BoundProtection protection;
        journal.setProtection([&protection](const QList<Entry>&) { return protection; });
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            Entry entry;
            setKind(entry, c.records[i].kind);
            entry.unit = QString::fromLatin1(c.records[i].unit);
            entry.kept = c.records[i].kept;
            entry.identity = QString::fromLatin1(c.records[i].identity);
            const QByteArray text = "[SD" + QByteArray::number(int(i)) + "]\r\n";
            ASSERT_EQ(journal.record(entry, text.leftJustified(c.records[i].size, ' ')).text,
                      QString());
            if (c.records[i].named)
                protection.files.insert(journal.entries().front().file);
        }
        std::vector<int> left;
        const QList<Entry> entries = journal.entries();
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
            const QByteArray text = journal.text(*entry).value_or(QByteArray());
            left.push_back(text.mid(3, text.indexOf(']') - 3).toInt());
            EXPECT_EQ(entry->configLines, 1);
        }
        EXPECT_EQ(left, c.left);
        // No file outlives its entry.
        EXPECT_EQ(QDir(journal.folder()).entryList({QStringLiteral("*.zel")}).size(),
                  entries.size());
    }
}

} // namespace
} // namespace zel::journal
