#include "qt_printing.h"

#include "link/host_address.h"
#include "link/serial_endpoint.h"
#include "link/unit_name.h"

#include <gtest/gtest.h>

using namespace zel::link;

TEST(HostAddress, NamesAPortAfterAHostOrABracketedIpv6Address)
{
    struct Case {
        const char* text;
        const char* host;
        quint16 port;
        const char* badPort = "";
    };
    const Case cases[] = {
        {"zel.example", "zel.example", 23},
        {"192.0.2.7", "192.0.2.7", 23},
        {"zel.example:2323", "zel.example", 2323},
        {"127.0.0.1:2323", "127.0.0.1", 2323},
        {"unit-7:1", "unit-7", 1},
        {"unit:65535", "unit", 65535},
        {"unit:00023", "unit", 23},
        {"[::1]:2323", "::1", 2323},
        {"[fe80::1:2]:23000", "fe80::1:2", 23000},
        {"[::1]", "::1", 23},
        {"unit:", "unit", 23},
        {" unit:2323", " unit", 2323}, // blanks are kept as typed
        // A port that is out of range or not a number is never looked up as part of a host name.
        {"unit:65536", "", 23, "65536"},
        {"unit:0", "", 23, "0"},
        {"unit:123456", "", 23, "123456"},
        {"127.0.0.1:99999", "", 23, "99999"},
        {"unit:99999999999999999999", "", 23, "99999999999999999999"},
        {"[::1]:70000", "", 23, "70000"},
        {"unit:-1", "", 23, "-1"},
        {"unit:23a", "", 23, "23a"},
        {"unit:2323 ", "", 23, "2323 "},
        {"[::1]:x", "", 23, "x"},
        // Everything else is the host as typed, on port 23.
        {":2323", ":2323", 23},
        {"::1:2323", "::1:2323", 23}, // bare IPv6: its last group is part of the address
        {"[zel.example]:2323", "[zel.example]:2323", 23},
        {"[zel.example]:99999", "[zel.example]:99999", 23},
        {"", "", 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const HostAndPort parsed = parseHostText(QString::fromLatin1(c.text));
        EXPECT_EQ(parsed.host, QString::fromLatin1(c.host));
        EXPECT_EQ(parsed.port, c.port);
        EXPECT_EQ(parsed.badPort, QString::fromLatin1(c.badPort));
    }
}

TEST(HostAddress, ListensOnAPortAloneOrAfterAnAddressAndSaysWhatIsWrong)
{
    const std::pair<const char*, const char*> cases[] = {
        // the text, and "host port" or the error
        {"0", " 0"},
        {"[::1]:0", "::1 0"},
        {"::1:0", "::1 0"}, // the unbracketed form zelsim has always taken
        {"70000", "Port 70000 is out of range (0 to 65535)"},
        {"localhost:abc", "Port \"abc\" is not a number"},
        {"127.0.0.1", "No port given"},
        {"a:b:0", "No port given"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const HostAndPort parsed = parseHostText(QString::fromLatin1(text), PortRule::Listen);
        EXPECT_EQ(parsed.problem == HostAndPort::Problem::None
                      ? parsed.host + ' ' + QString::number(parsed.port)
                      : hostTextError(parsed, PortRule::Listen),
                  QString::fromLatin1(expected));
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

TEST(UnitName, NamesAUnitOneWayHoweverItsAddressIsWritten)
{
    struct Case {
        LinkMode mode;
        std::vector<const char*> addresses; // every one names the unit `name`
        const char* name;
    };
    const Case cases[] = {
        {LinkMode::Telnet, {"unit.local", "unit.local:23", "Unit.Local:023"}, "tcp:unit.local:23"},
        {LinkMode::Telnet, {"::1", "[::1]", "[::1]:23"}, "tcp:[::1]:23"},
        {LinkMode::Telnet, {"127.0.0.1:2323"}, "tcp:127.0.0.1:2323"},
        {LinkMode::Serial, {"ttyUSB0", "/dev/ttyUSB0"}, "serial:/dev/ttyUSB0"},
        {LinkMode::Serial, {"/dev/pts/4"}, "serial:/dev/pts/4"},
        {LinkMode::File, {"unit.local"}, ""},
        {LinkMode::None, {"unit.local"}, ""},
    };
    for (const Case& c : cases)
        for (const char* address : c.addresses)
            EXPECT_EQ(unitName(c.mode, QString::fromLatin1(address)), QString::fromLatin1(c.name))
                << address;
}
