#include "ui/common/window_placement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zel::ui {
namespace {

TEST(WindowPlacement, CentredOrBesideAndAlwaysInsideTheAvailableArea)
{
    const QRect screen(0, 0, 1920, 1040);
    // The window beside (no anchor: centred), its size, the available area, where it goes.
    const std::tuple<QRect, QSize, QRect, QRect> cases[] = {
        {{}, {713, 450}, screen, {603, 295, 713, 450}},
        {{}, {713, 450}, {0, 0, 640, 400}, {0, 0, 713, 450}}, // 1280 x 800 at twice the scale
        {{}, {200, 100}, {100, 50, 400, 300}, {200, 150, 200, 100}},
        {{100, 295, 713, 450}, {640, 420}, screen, {813, 309, 640, 420}},  // right
        {{1200, 295, 713, 450}, {640, 420}, screen, {560, 309, 640, 420}}, // left
        {{100, 10, 1700, 400}, {640, 420}, screen, {629, 410, 640, 420}},  // below
        {{200, 100, 1600, 900}, {640, 420}, screen, {0, 339, 640, 420}},   // most room, inside
    };
    for (const auto& [anchor, size, available, expected] : cases)
        EXPECT_EQ(anchor.isEmpty() ? centredIn(size, available) : besideIn(anchor, size, available),
                  expected)
            << anchor.x() << "," << anchor.y() << " " << size.width() << "x" << size.height();
}

} // namespace
} // namespace zel::ui
