#include "session/live/unit_picture.h"

#include "model/block_members.h"
#include "model/config_reader.h"

namespace zel::session {

using Kind = model::WriterBlock::Kind;

BlockLines blockLines(const model::ConfigModel& model)
{
    BlockLines blocks;
    for (model::BlockLine& written : model::writeConfigurationInBlocks(model))
        if (written.block.kind != Kind::None && written.block.kind != Kind::End)
            blocks[written.block].push_back(std::move(written.line));
    return blocks;
}

std::set<model::WriterBlock> differingBlocks(const BlockLines& a, const BlockLines& b)
{
    std::set<model::WriterBlock> differing;
    static const std::vector<std::string> kNone;
    const auto linesIn = [](const BlockLines& blocks,
                            model::WriterBlock block) -> const std::vector<std::string>& {
        const auto found = blocks.find(block);
        return found == blocks.end() ? kNone : found->second;
    };
    for (const auto& [block, lines] : a)
        if (lines != linesIn(b, block))
            differing.insert(block);
    for (const auto& [block, lines] : b)
        if (lines != linesIn(a, block))
            differing.insert(block);
    return differing;
}

void UnitPicture::start(const model::ConfigModel& found)
{
    m_model = found;
    m_lines = blockLines(m_model);
}

void UnitPicture::acknowledged(const model::ConfigModel& sent, model::WriterBlock block)
{
    model::copyBlockMembers(sent, m_model, block);
    m_lines = blockLines(m_model);
}

void UnitPicture::partlyAcknowledged(const std::vector<std::string>& lines)
{
    model::LogLines log;
    model::readText(m_model, model::joinLines(lines, "\n"), log);
    m_lines = blockLines(m_model);
}

std::set<model::WriterBlock> UnitPicture::differingFrom(const model::ConfigModel& edited) const
{
    return differingBlocks(m_lines, blockLines(edited));
}

std::string UnitPicture::wholeText() const
{
    return model::joinLines(model::writeConfiguration(m_model), "\r\n");
}

} // namespace zel::session
