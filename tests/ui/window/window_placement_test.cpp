#include "ui/window/window_placement.h"

#include <gtest/gtest.h>

namespace zel::ui {
namespace {

std::string text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

TEST(WindowPlacement, CentredOrBesideAndAlwaysInsideTheAvailableArea)
{
    const QRect screen(0, 0, 1920, 1040);
    const QRect small(0, 0, 640, 400); // 1280 x 800 at twice the scale
    struct Case {
        const char* what;
        QRect anchor; // empty: centred
        QSize size;
        QRect available;
        QRect expected;
    };
    const Case cases[] = {
        {"centred", {}, {713, 450}, screen, {603, 295, 713, 450}},
        {"larger than the screen: menu in view", {}, {713, 450}, small, {0, 0, 713, 450}},
        {"centred in an area that does not start at 0",
         {},
         {200, 100},
         {100, 50, 400, 300},
         {200, 150, 200, 100}},
        {"right of the window", {100, 295, 713, 450}, {640, 420}, screen, {813, 309, 640, 420}},
        {"left when the right has no room",
         {1200, 295, 713, 450},
         {640, 420},
         screen,
         {560, 309, 640, 420}},
        {"below when neither side has room",
         {100, 10, 1700, 400},
         {640, 420},
         screen,
         {629, 410, 640, 420}},
        {"most room, moved inside", {200, 100, 1600, 900}, {640, 420}, screen, {0, 339, 640, 420}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = c.anchor.isEmpty() ? centredIn(c.size, c.available)
                                                : besideIn(c.anchor, c.size, c.available);
        EXPECT_EQ(text(placed), text(c.expected));
        EXPECT_GE(placed.left(), c.available.left());
        EXPECT_GE(placed.top(), c.available.top());
    }
}

} // namespace
} // namespace zel::ui
