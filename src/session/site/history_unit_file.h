#pragma once
// A unit's file in a history repository: a few remark lines that change only when the unit does
// (its name in the site, its link, its model, its identity), then the text the unit sent, as
// the journal keeps it (CR LF after each line). Never a time, so that a unit that did not
// change leaves its file as it was and the run commits nothing. The reader passes over lines
// that do not begin with "[", so the file reads as the configuration it holds (zeltool diff,
// the window's Import).
//
//   ; zelconfig site history
//   ; unit: Lobby Bar
//   ; link: tcp:192.0.2.40:23
//   ; model: ZEL-16
//   ; identity: 5d0c9c7e-...
//   ; end of header

#include <QByteArray>
#include <QString>

#include <optional>

namespace zel::session {

struct UnitFileHeader {
    QString unit;     // the unit's name in the site
    QString link;     // as the journal names the unit: "tcp:HOST:PORT", "serial:DEVICE"
    QString model;    // "ZEL-16", "ZEL-8"
    QString identity; // the identity it was first kept under; empty when not known
    bool operator==(const UnitFileHeader&) const = default;
};

// The file of a unit: its header, then `unitText` as it came.
QByteArray unitFileText(const UnitFileHeader& header, const QByteArray& unitText);

struct UnitFileRead {
    UnitFileHeader header;
    QByteArray unitText; // what follows the header
};

// The header and text of a unit's file; nothing when it does not begin with such a header.
std::optional<UnitFileRead> readUnitFile(const QByteArray& bytes);

} // namespace zel::session
