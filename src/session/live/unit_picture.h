#pragma once
// What the unit holds in live mode, as far as it has said so: the configuration found when live
// mode started (or when the link came back), with every block it has since acknowledged. The
// live session sends what differs from it, and composes the unit as left from it.

#include "model/config_model.h"
#include "model/config_writer.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zel::session {

// The writer's lines of `model`, block by block; the empty lines and the end line are no block.
using BlockLines = std::map<model::WriterBlock, std::vector<std::string>>;
BlockLines blockLines(const model::ConfigModel& model);

// The blocks whose lines differ between two sets of blocks (one set may lack a block).
std::set<model::WriterBlock> differingBlocks(const BlockLines& a, const BlockLines& b);

class UnitPicture {
public:
    // The unit holds `found`.
    void start(const model::ConfigModel& found);

    const model::ConfigModel& model() const { return m_model; }
    const BlockLines& lines() const { return m_lines; }

    // The unit acknowledged every line of `block` as written from `sent`.
    void acknowledged(const model::ConfigModel& sent, model::WriterBlock block);
    // The unit acknowledged `lines` only, of a block it did not take whole: they are read into
    // the picture as the unit reads them.
    void partlyAcknowledged(const std::vector<std::string>& lines);

    // The blocks in which `edited` differs from what the unit holds.
    std::set<model::WriterBlock> differingFrom(const model::ConfigModel& edited) const;
    // The unit's configuration as a whole text, as the writer writes it, lines ended by CR LF.
    std::string wholeText() const;

private:
    model::ConfigModel m_model;
    BlockLines m_lines;
};

} // namespace zel::session
