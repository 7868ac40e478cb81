#pragma once
// Helpers shared by the model tests.

#include "model/config_model.h"
#include "model/config_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zel::model::test {

// A model as the program holds it after the reset: counts -1, favorites and groups empty.
ConfigModel resetModelCopy();

// Reads `lines` one by one into `model` and returns the log lines.
LogLines readLines(ConfigModel& model, const std::vector<std::string>& lines);

// Succeeds when both models are equal; otherwise names every member that differs.
::testing::AssertionResult sameModel(const ConfigModel& expected, const ConfigModel& actual);

} // namespace zel::model::test
