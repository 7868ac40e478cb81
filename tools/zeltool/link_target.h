#pragma once
// Where a unit is reached: a TCP host (port 23 unless one is named) or a serial device.

#include <optional>
#include <string>

namespace zel::tool {

struct Arguments;

struct LinkTarget {
    enum class Kind { Tcp, Serial };
    Kind kind = Kind::Tcp;
    std::string address; // "HOST[:PORT]" or the serial device

    bool operator==(const LinkTarget&) const = default;
};

// A side of diff: "tcp:HOST[:PORT]" or "serial:DEVICE"; nothing for any other word (a file).
std::optional<LinkTarget> parseSide(const std::string& side);

// The target of --tcp or --serial; nothing, with `error` set, when neither or both are given or
// the host names a port that is not a number or is outside 1..65535.
std::optional<LinkTarget> targetOf(const Arguments& arguments, std::string& error);

// "tcp:HOST[:PORT]" or "serial:DEVICE", as diff takes it and as messages name it.
std::string describe(const LinkTarget& target);

} // namespace zel::tool
