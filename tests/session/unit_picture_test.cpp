// The picture of what the unit holds: a block acknowledged whole takes exactly that block's
// members, lines acknowledged alone are read as the unit reads them, and the whole text reads
// back as the picture.
#include "link/filled_configuration.h"

#include "model/config_reader.h"
#include "session/live/unit_picture.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(UnitPicture, ABlockAcknowledgedTakesThatBlockAlone)
{
    const model::ConfigModel blank = test::blankZel16();
    const model::ConfigModel filled = test::filledZel16();
    const BlockLines blankLines = blockLines(blank);
    const BlockLines filledLines = blockLines(filled);
    const std::set<model::WriterBlock> differing = differingBlocks(blankLines, filledLines);
    ASSERT_GT(differing.size(), 40u) << "every kind of block differs";
    for (const model::WriterBlock& block : differing) {
        SCOPED_TRACE(static_cast<int>(block.kind) * 100 + block.number);
        UnitPicture picture;
        picture.start(blank);
        picture.acknowledged(filled, block);
        EXPECT_EQ(picture.differingFrom(filled), [&] {
            std::set<model::WriterBlock> rest = differing;
            rest.erase(block);
            return rest;
        }());
        model::ConfigModel readBack = test::blankZel16();
        model::LogLines log;
        model::readText(readBack, picture.wholeText(), log);
        EXPECT_TRUE(picture.differingFrom(readBack).empty()) << "the unit as left reads back";
    }
}

TEST(UnitPicture, LinesAcknowledgedAloneAreReadAsTheUnitReadsThem)
{
    UnitPicture picture;
    picture.start(test::blankZel16());
    picture.partlyAcknowledged({"[VO3F0]", "[VO3R-40]"});
    EXPECT_EQ(picture.model().zoneAudio(3).volume, -40);
    EXPECT_EQ(picture.differingFrom(test::blankZel16()),
              (std::set<model::WriterBlock>{{model::WriterBlock::Kind::ZoneAudio, 3}}));
}

} // namespace
} // namespace zel::session
