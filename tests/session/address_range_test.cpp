// The ranges Find Units looks through.
#include "session/address_range.h"

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

} // namespace
} // namespace zel::session
