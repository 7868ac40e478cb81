#pragma once
// The one place that decides whether live mode may start, and says why not: every check made
// before going live belongs here.

#include "link/link_mode.h"

#include <QString>

namespace zel::session {

class ConfigurationSession;

// What stands around the configuration when live mode is asked for.
struct LiveCircumstances {
    link::LinkMode mode = link::LinkMode::None;
    bool transferRunning = false;
};

// Why live mode cannot start now, as the user is told; empty when it can.
QString whyNotLive(const ConfigurationSession& config, const LiveCircumstances& circumstances);

} // namespace zel::session
