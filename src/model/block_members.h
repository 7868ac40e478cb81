#pragma once
// The members of the configuration that one of the writer's blocks carries, copied from one
// model to another: what a unit holds once it has acknowledged every line of that block.

#include "model/config_writer.h"

namespace zel::model {

class ConfigModel;

// Copies into `to` the members of `from` that `block` is written from. The counts, which no
// block carries alone, stay as they are; None and End carry nothing.
void copyBlockMembers(const ConfigModel& from, ConfigModel& to, WriterBlock block);

} // namespace zel::model
