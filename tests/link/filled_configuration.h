#pragma once
// Configurations for the transfer tests and the transfer benchmark.

#include "model/config_model.h"

#include <QStringList>

namespace zel::test {

// A blank ZEL-16 read from its template.
model::ConfigModel blankZel16();

// A ZEL-16 with everything set: every zone in ZQ mode with its ten bands, volume and balance,
// distinct names, favorites that connect every zone to a source, and group memberships.
model::ConfigModel filledZel16();

// The writer's text of a configuration, one entry per line (empty separator lines included).
QStringList configurationLines(const model::ConfigModel& config);

// Reads received or stored text into a fresh configuration, as an import does.
model::ConfigModel readConfiguration(const QString& text);

} // namespace zel::test
