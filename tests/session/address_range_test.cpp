// The ranges Find Units looks through.
#include "session/find/address_range.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(AddressRange, NetworksAndFirstLastRanges)
{
    struct Case {
        QString text;
        QString first; // empty: refused
        QString last;
        quint64 count;
    };
    const std::vector<Case> cases = {
        {"127.0.0.0/24", "127.0.0.1", "127.0.0.254", 254}, // no network or broadcast address
        {"127.0.5.77/30", "127.0.5.77", "127.0.5.78", 2},
        {"127.0.0.9/32", "127.0.0.9", "127.0.0.9", 1},
        {"127.0.0.0/20", "127.0.0.1", "127.0.15.254", 4094},
        {"127.0.0.250-127.0.1.3", "127.0.0.250", "127.0.1.3", 10},
        {" 127.0.0.3 ", "127.0.0.3", "127.0.0.3", 1},
        {"127.0.0.9-127.0.0.3", {}, {}, 0},
        {"127.0.0.0/33", {}, {}, 0},
        {"::1/128", {}, {}, 0},
        {"unit.local", {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString error;
        const std::optional<AddressRange> range = parseAddressRange(c.text, error);
        ASSERT_EQ(range.has_value(), !c.first.isEmpty()) << error.toStdString();
        if (!range) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        EXPECT_EQ(range->at(0).toString(), c.first);
        EXPECT_EQ(range->at(range->count() - 1).toString(), c.last);
        EXPECT_EQ(range->count(), c.count);
    }
    QString error;
    EXPECT_GT(parseAddressRange("127.0.0.0/19", error)->count(), kLargestUnforcedRange);
}

TEST(AddressRange, AWalkCountsInSixtyFourBitsAndListsNothing)
{
    AddressWalk walk;
    QString error;
    for (const char* range : {"127.0.0.0/8", "0.0.0.0/0", "127.0.0.9"})
        walk.add(*parseAddressRange(QString::fromLatin1(range), error));
    const quint64 slashEight = (quint64(1) << 24) - 2;
    const quint64 all = (quint64(1) << 32) - 2;
    EXPECT_EQ(walk.count(), slashEight + all + 1); // beyond what 32 bits hold
    const std::vector<std::pair<quint64, QString>> cases = {
        {0, "127.0.0.1"},
        {slashEight - 1, "127.255.255.254"},
        {slashEight, "0.0.0.1"},
        {slashEight + (quint64(1) << 31), "128.0.0.1"},
        {slashEight + all - 1, "255.255.255.254"},
        {slashEight + all, "127.0.0.9"},
    };
    for (const auto& [index, address] : cases) {
        SCOPED_TRACE(index);
        EXPECT_EQ(walk.at(index).toString(), address);
    }
    EXPECT_TRUE(walk.at(walk.count()).isNull());
}

} // namespace
} // namespace zel::session
