#pragma once
// The simulated unit's own configuration: what it dumps when asked and what every received
// command changes.

#include "model/config_model.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zelsim {

class UnitConfig {
public:
    // Starts as a blank ZEL-16.
    UnitConfig();

    // Replaces the configuration with the one in a configuration file; false with `error` set
    // when the file cannot be read.
    bool loadFile(const QString& path, QString& error);

    // Applies one received command as the unit does: "[GAR]" clears the group membership before
    // the group lines, "[FAR]" the favorites before the favorite lines.
    void apply(const QByteArray& command);

    // The configuration as the config lines of a dump, without blank lines.
    std::vector<QByteArray> dumpLines() const;

    // Commands the unit takes as from its own keypad once it has sent `dumps` dumps.
    void changeAfterDumps(int dumps, const QByteArray& command);
    // A dump has been sent whole: the changes due after it are taken.
    void dumpSent();

private:
    zel::model::ConfigModel m_model;
    std::vector<std::pair<int, QByteArray>> m_changes;
    int m_dumpsSent = 0;
};

} // namespace zelsim
