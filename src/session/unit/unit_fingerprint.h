#pragma once
// What a unit is, told from its configuration: its size (zone and source counts), the names of
// its zones and sources, and its network settings. Two fingerprints are compared by points:
//   - a different size is another unit, whatever else agrees;
//   - every zone and source name within the counts is one point (names compared as the writer
//     writes them, cut to 16 characters, without blanks around them and without regard to case);
//   - the DHCP flag is one point;
//   - when both take fixed addresses, the IP address is worth as many points as all the names
//     together (a unit's own address tells it from a sister unit with the same names), and the
//     netmask and the gateway one point each. Under DHCP the address texts are leftovers and are
//     not compared.
// The similarity is the share of points that agree; from kSameUnitShare on it is the same unit.
// So renaming a zone or a few, turning DHCP on, or moving the unit to another address on the
// wire keeps it one unit; another unit with the same names but its own fixed address, or a unit
// with other names, is another unit. Two units still at the blank template's names and on DHCP
// cannot be told apart by their configurations.

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

namespace zel::model {
class ConfigModel;
}

namespace zel::session {

inline constexpr double kSameUnitShare = 0.75;

struct UnitFingerprint {
    int zoneCount = -1;
    int sourceCount = -1;
    QStringList zoneNames; // zones 1..zoneCount, as written
    QStringList sourceNames;
    bool dhcp = false;
    QString ipAddress;
    QString netmask;
    QString gateway;

    // Whether a configuration stood behind it: a size was read.
    bool isKnown() const { return zoneCount > 0 || sourceCount > 0; }
    bool operator==(const UnitFingerprint&) const = default;

    QJsonObject toJson() const;
    static UnitFingerprint fromJson(const QJsonObject& object);
};

UnitFingerprint fingerprintOf(const model::ConfigModel& configuration);
// The fingerprint of configuration text (a dump, a journal entry, a .zel file).
UnitFingerprint fingerprintOfText(std::string_view text);

// What is compared: everything, or the size and the names alone (when one side is a
// configuration about to be sent, its network settings are among what is sent: renumbering a
// unit is an edit, not another unit).
enum class Compared { All, NamesOnly };

// From 0 (nothing agrees, or another size) to 1 (all agrees); 0 when either is not known.
double similarity(const UnitFingerprint& a, const UnitFingerprint& b,
                  Compared compared = Compared::All);
bool looksLikeSameUnit(const UnitFingerprint& a, const UnitFingerprint& b,
                       Compared compared = Compared::All);
// Whether every zone and source still has the blank template's name ("Zone Name 3"): a unit
// never set up, which holds nothing a configuration sent to it would lose.
bool isBlank(const UnitFingerprint& fingerprint);

// "ZEL-16", "ZEL-8", or "12 zones, 10 sources".
QString modelText(const UnitFingerprint& fingerprint);
// The network settings in a few words: "DHCP", "192.0.2.7/255.255.255.0 gateway 192.0.2.1".
QString networkText(const UnitFingerprint& fingerprint);
// The unit in one line, for questions and lists: ZEL-16, zone 1 "Bar", source 1 "Tuner",
// 192.0.2.7/255.255.255.0 gateway 192.0.2.1.
QString describeUnit(const UnitFingerprint& fingerprint);

} // namespace zel::session
