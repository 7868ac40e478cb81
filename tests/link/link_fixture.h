#pragma once
// A transfer test against zelsim, run once over TCP on loopback and once over a pseudo-terminal.

#include "filled_configuration.h"
#include "transfer_recorder.h"
#include "zelsim_process.h"

#include "link/link_channel.h"
#include "link/serial_channel.h"
#include "link/serial_endpoint.h"
#include "link/telnet_channel.h"
#include "link/transfer_settings.h"
#include "support/quick_settings.h"

#include <gtest/gtest.h>

#include <memory>

namespace zel::test {

// Shorter still, for the tests that wait for a time limit to pass.
inline link::TransferSettings impatientSettings()
{
    link::TransferSettings settings = quickSettings();
    settings.responseTimeout = std::chrono::milliseconds(400);
    return settings;
}

// Starts zelsim with `faults` over `link`; for the pseudo-terminal also opens `serial` on it.
inline void startSimulatedUnit(ZelSimProcess::Link link, const QStringList& faults,
                               ZelSimProcess& sim, link::SerialEndpoint& serial)
{
    ASSERT_TRUE(sim.start(link, faults)) << sim.error().toStdString();
    if (link == ZelSimProcess::Link::Pty) {
        ASSERT_TRUE(serial.open(sim.address())) << serial.errorString().toStdString();
    }
}

// A channel for one transfer to the unit `sim` runs.
inline std::unique_ptr<link::LinkChannel>
channelTo(ZelSimProcess::Link link, const ZelSimProcess& sim, link::SerialEndpoint& serial)
{
    if (link == ZelSimProcess::Link::Tcp)
        return std::make_unique<link::TelnetChannel>(sim.address());
    return std::make_unique<link::SerialChannel>(serial);
}

class LinkTest : public ::testing::TestWithParam<ZelSimProcess::Link> {
protected:
    bool isTcp() const { return GetParam() == ZelSimProcess::Link::Tcp; }

    void startUnit(const QStringList& faults = {})
    {
        startSimulatedUnit(GetParam(), faults, m_sim, m_serial);
    }

    std::unique_ptr<link::LinkChannel> channel() { return channelTo(GetParam(), m_sim, m_serial); }

    ZelSimProcess m_sim;
    link::SerialEndpoint m_serial;
};

inline std::string linkName(const ::testing::TestParamInfo<ZelSimProcess::Link>& info)
{
    return info.param == ZelSimProcess::Link::Tcp ? "Tcp" : "Pty";
}

// The config lines a unit holding `config` sends in its dump.
inline QStringList dumpLines(const model::ConfigModel& config)
{
    QStringList lines;
    for (const QString& line : configurationLines(config))
        if (!line.isEmpty() && line != "[GAR]" && line != "[FAR]" && line != "[EC]")
            lines << line;
    return lines;
}

} // namespace zel::test
