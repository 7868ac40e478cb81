#pragma once
// One configuration that went between this computer and a unit, as the journal's index holds it.

#include <QDateTime>
#include <QString>

namespace zel::journal {

enum class Direction { FromUnit, ToUnit };

struct Entry {
    QDateTime time; // when the transfer ended, UTC
    Direction direction = Direction::FromUnit;
    QString unit;        // "tcp:HOST:PORT" or "serial:DEVICE"
    bool whole = false;  // the dump ended as it should / every line was acknowledged
    QString ending;      // how it ended when not whole: "stopped at line 134 of 515", "cancelled"
    int configLines = 0; // lines of the text that begin with "["
    QString file;        // the text's file name in the journal folder
    qint64 size = 0;     // the text's size in bytes
};

// "from" or "to", as lists show the direction.
QString directionWord(Direction direction);

// "whole", or "not whole: " and how it ended.
QString endingText(const Entry& entry);

// The unit as entries name it. Hosts are named with their port ("unit.local:23") so that one
// unit reached with and without the port shows as one.
QString tcpUnit(const QString& hostAndPort);
QString serialUnit(const QString& device);

} // namespace zel::journal
