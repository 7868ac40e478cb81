#pragma once
// How a site reaches one unit: "tcp:HOST[:PORT]" (port 23 unless named) or "serial:DEVICE", as
// zeltool's unit sides are written. The unit's name in the journal comes from it.

#include <QString>

#include <optional>

namespace zel::session {

struct SiteLink {
    enum class Kind { Tcp, Serial };
    Kind kind = Kind::Tcp;
    QString address; // "HOST[:PORT]" as written, or the serial device

    // "tcp:HOST[:PORT]" or "serial:DEVICE", as written.
    QString text() const;
    // The unit as the journal names it: "tcp:HOST:PORT" with the port always given, or
    // "serial:DEVICE"; so "host" and "host:23" are one unit.
    QString unitName() const;
    bool operator==(const SiteLink&) const = default;
};

// Reads "tcp:HOST[:PORT]" or "serial:DEVICE"; nothing, with `error` set, for any other text or
// a port that is not a number from 1 to 65535.
std::optional<SiteLink> parseSiteLink(const QString& text, QString* error = nullptr);

} // namespace zel::session
