#pragma once
// Ranges of IPv4 addresses to look for units in: "192.0.2.0/24" or "192.0.2.10-192.0.2.40".
// A network of a /30 or wider leaves out its own network and broadcast addresses, which no unit
// has. Ranges larger than a /20 (4096 addresses) are refused unless forced: a slip of a digit
// should not send connections to a whole company's network.

#include <QHostAddress>
#include <QList>
#include <QString>

#include <optional>

namespace zel::session {

inline constexpr quint32 kLargestUnforcedRange = 4096; // a /20

struct AddressRange {
    quint32 first = 0;
    quint32 last = 0;
    quint64 count() const { return quint64(last) - first + 1; }
    QHostAddress at(quint64 i) const { return QHostAddress(quint32(first + i)); }
    bool operator==(const AddressRange&) const = default;
};

// Ranges walked in order one address at a time, none listed beforehand: all of IPv4 costs no
// more memory than one address. Counted in 64 bits, so that no sum of ranges overflows.
class AddressWalk {
public:
    void add(const AddressRange& range);
    quint64 count() const { return m_count; }
    // The address at `index`, from 0 to count() - 1, through the ranges in the order given.
    QHostAddress at(quint64 index) const;

private:
    QList<AddressRange> m_ranges;
    quint64 m_count = 0;
};

// Nothing, with `error` set, for a text in neither form, an address that is not IPv4, a prefix
// outside 0..32, or a last address before the first.
std::optional<AddressRange> parseAddressRange(const QString& text, QString& error);

// "192.0.2.0/24" for the network `address`/`prefix` is on.
QString networkText(const QHostAddress& address, int prefix);

// The IPv4 networks of this computer's own interfaces that are up, loopback left out, as
// ranges one can edit: "192.0.2.0/24".
QStringList ownNetworks();

} // namespace zel::session
