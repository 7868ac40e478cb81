#include "qt_printing.h"

#include "link/host_address.h"
#include "link/serial_endpoint.h"

#include <gtest/gtest.h>

using namespace zel::link;

TEST(HostAddress, ReadsHostAndPortAlikeForTheWindowZeltoolAndZelsim)
{
    constexpr PortRule C = PortRule::Connect;
    constexpr PortRule L = PortRule::Listen;
    struct Case {
        const char* text;
        PortRule rule;
        const char* host;
        quint16 port;
        const char* error = ""; // hostTextError(); host and port are not set when there is one
    };
    const Case cases[] = {
        {"zel.example", C, "zel.example", 23},
        {"192.0.2.7", C, "192.0.2.7", 23},
        {"zel.example:2323", C, "zel.example", 2323},
        {"127.0.0.1:2323", C, "127.0.0.1", 2323},
        {"unit_7:1", C, "unit_7", 1},
        {"unit:65535", C, "unit", 65535},
        {"unit:00023", C, "unit", 23},
        {"unit:", C, "unit", 23},
        {"[::1]:2323", C, "::1", 2323},
        {"[fe80::1:2]:23000", C, "fe80::1:2", 23000},
        {"[::1]", C, "::1", 23},
        {"[::1]:", C, "::1", 23},
        {"::1", C, "::1", 23}, // bare IPv6: its last group is part of the address
        {"::1:2323", C, "::1:2323", 23},
        {" unit:2323", C, " unit", 2323}, // blanks are kept as typed
        // A port outside 1..65535 or that is not a number is never looked up as a host name.
        {"unit:65536", C, "", 23, "Port 65536 is out of range (1 to 65535)"},
        {"unit:0", C, "", 23, "Port 0 is out of range (1 to 65535)"},
        {"unit:-1", C, "", 23, "Port -1 is out of range (1 to 65535)"},
        {"127.0.0.1:99999", C, "", 23, "Port 99999 is out of range (1 to 65535)"},
        {"unit:99999999999999999999", C, "", 23,
         "Port 99999999999999999999 is out of range (1 to 65535)"},
        {"[::1]:70000", C, "", 23, "Port 70000 is out of range (1 to 65535)"},
        {"unit:abc", C, "", 23, "Port \"abc\" is not a number"},
        {"unit:23a", C, "", 23, "Port \"23a\" is not a number"},
        {"unit:2323 ", C, "", 23, "Port \"2323 \" is not a number"},
        {"[::1]:x", C, "", 23, "Port \"x\" is not a number"},
        // Everything else is the host as typed, on port 23.
        {":2323", C, ":2323", 23},
        {"[zel.example]:2323", C, "[zel.example]:2323", 23},
        {"[::1]x", C, "[::1]x", 23},
        {"[::1", C, "[::1", 23},
        {"a:b:c", C, "a:b:c", 23},
        {"", C, "", 23},
        // Listening: a port is needed, 0 picks a free one, "PORT" alone has no address.
        {"0", L, "", 0},
        {"2323", L, "", 2323},
        {"127.0.0.1:0", L, "127.0.0.1", 0},
        {"[::1]:0", L, "::1", 0},
        {"::1:0", L, "::1", 0}, // the unbracketed form zelsim has always taken
        {"70000", L, "", 23, "Port 70000 is out of range (0 to 65535)"},
        {"[::1]:x", L, "", 23, "Port \"x\" is not a number"},
        {"localhost:abc", L, "", 23, "Port \"abc\" is not a number"},
        {"127.0.0.1", L, "", 23, "No port given"},
        {"[::1]", L, "", 23, "No port given"},
        {"::1", L, "", 23, "No port given"},
        {"a:b:0", L, "", 23, "No port given"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const HostAndPort parsed = parseHostText(QString::fromLatin1(c.text), c.rule);
        EXPECT_EQ(parsed.host, QString::fromLatin1(c.host));
        EXPECT_EQ(parsed.port, c.port);
        EXPECT_EQ(hostTextError(parsed, c.rule), QString::fromLatin1(c.error));
    }
}

TEST(HostAddress, WritesWhatItReadsWithIpv6InBrackets)
{
    const std::pair<const char*, const char*> cases[] = {
        {"127.0.0.1", "127.0.0.1:2323"},
        {"zel.example", "zel.example:2323"},
        {"::1", "[::1]:2323"},
        {"fe80::1:2", "[fe80::1:2]:2323"},
    };
    for (const auto& [host, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(hostAndPortText(host, 2323), QString::fromLatin1(text));
        for (const PortRule rule : {PortRule::Connect, PortRule::Listen})
            EXPECT_EQ(parseHostText(text, rule), (HostAndPort{host, 2323}));
    }
}

TEST(SerialPortLabel, NamesComPortsByNumberAndOthersAsGiven)
{
    EXPECT_EQ(serialPortLabel("COM3"), "3");
    EXPECT_EQ(serialPortLabel("COM12"), "12");
    EXPECT_EQ(serialPortLabel("ttyUSB0"), "ttyUSB0");
    EXPECT_EQ(serialPortLabel("/dev/pts/4"), "/dev/pts/4");
    EXPECT_EQ(serialPortLabel("COMX"), "COMX");
}
