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

#include <gtest/gtest.h>

#include <memory>

namespace zel::test {

// Short time limits keep the failure tests quick.
inline link::TransferSettings quickSettings()
{
    link::TransferSettings settings;
    settings.responseTimeout = std::chrono::milliseconds(2000);
    settings.serialQuietTime = std::chrono::milliseconds(300);
    settings.settleTime = std::chrono::milliseconds(5);
    return settings;
}

// Shorter still, for the tests that wait for a time limit to pass.
inline link::TransferSettings impatientSettings()
{
    link::TransferSettings settings = quickSettings();
    settings.responseTimeout = std::chrono::milliseconds(400);
    return settings;
}

class LinkTest : public ::testing::TestWithParam<ZelSimProcess::Link> {
protected:
    bool isTcp() const { return GetParam() == ZelSimProcess::Link::Tcp; }

    // Starts zelsim with `faults`; for the pseudo-terminal also opens the serial port on it.
    void startUnit(const QStringList& faults = {})
    {
        ASSERT_TRUE(m_sim.start(GetParam(), faults)) << m_sim.error().toStdString();
        if (!isTcp()) {
            ASSERT_TRUE(m_serial.open(m_sim.address())) << m_serial.errorString().toStdString();
        }
    }

    std::unique_ptr<link::LinkChannel> channel()
    {
        if (isTcp())
            return std::make_unique<link::TelnetChannel>(m_sim.address());
        return std::make_unique<link::SerialChannel>(m_serial);
    }

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
