#pragma once
// The effect of one matched command on the model.

namespace zel::model {

class ConfigModel;
struct CommandMatch;

// Stores what `match` says into `model`. Steps run in order and each skips itself when a field it
// uses is empty; a value whose zone, source, favorite, group, preset or band lies outside the
// model's tables is dropped. Throws NumberError when a number does not fit 32 bits; what earlier
// steps stored stays.
void applyCommand(ConfigModel& model, const CommandMatch& match);

} // namespace zel::model
