#pragma once
// The Edit menu's copies that set several records alike: one zone's audio settings onto other
// zones, a device preset's EQ curve onto zones, a zone's EQ curve onto device presets. Each asks
// which records to reach and changes the model in one go; the caller records the step.

#include "session/configuration/edit_step.h"

#include <optional>

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

class CopyPartsMemory;
class UserPrompts;

// Each returns the step taken, or nothing when the user chose no record or cancelled.
// Copy Zone Settings asks which of the settings to take as well, offering those `memory` kept
// from the last copy, and keeps the choice made; why it could not be kept goes to
// `memoryError`.
std::optional<session::EditStep> copyZoneSettings(model::ConfigModel& model, int zone,
                                                  UserPrompts& prompts,
                                                  const CopyPartsMemory& memory,
                                                  QString* memoryError = nullptr);
std::optional<session::EditStep> copyPresetEqToZones(model::ConfigModel& model, int preset,
                                                     UserPrompts& prompts);
std::optional<session::EditStep> copyZoneEqToPresets(model::ConfigModel& model, int zone,
                                                     UserPrompts& prompts);

} // namespace zel::ui
