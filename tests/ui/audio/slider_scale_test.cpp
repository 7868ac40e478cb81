// The audio sliders' scales as the command language's ranges give them.
#include <gtest/gtest.h>

#include "model/command_language.h"
#include "ui/audio/slider_scale.h"

using namespace zel;
using namespace zel::ui;

TEST(SliderScale, CaptionsAndTicksFollowTheFieldRanges)
{
    using model::Command;
    const auto field = [](Command command, std::size_t index) {
        return model::commandField(command, index);
    };
    EXPECT_EQ(decibelCaption(-5), "-5db");
    EXPECT_EQ(decibelScale(field(Command::Tone, 1)), QStringList({"+12db", "+0db", "-12db"}));
    EXPECT_EQ(decibelScale(field(Command::ZoneEqBand, 2)), QStringList({"+10db", "+0db", "-10db"}));
    EXPECT_EQ(decibelScale(field(Command::Volume, 1)), QStringList({"+0db", "-40db", "-80db"}));
    EXPECT_EQ(hertzScale(field(Command::Lowpass, 1)), QStringList({"40Hz", "240Hz"}));
    EXPECT_EQ(tickInterval(field(Command::Volume, 1), 8), 10);
    EXPECT_EQ(tickInterval(field(Command::Lowpass, 1), 40), 5);
    EXPECT_EQ(centreAndHalfwayTicks(field(Command::BalanceRight, 1).high),
              QList<int>({-40, 0, 40}));
}
