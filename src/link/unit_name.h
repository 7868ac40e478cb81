#pragma once
// The one name of a unit reached over a link, as the journal keeps it and the window and zeltool
// match units by it.

#include "link/link_mode.h"

#include <QString>

namespace zel::link {

// "tcp:HOST:PORT" with the port always written and the host in small letters ("Unit.local" and
// "unit.local:23" are one unit),
// or "serial:DEVICE" with the device's path ("ttyUSB0" and "/dev/ttyUSB0" are one port where
// names are paths). `address` is the host text as typed, or the serial port's name. Empty for
// File Mode or no link.
QString unitName(LinkMode mode, const QString& address);

} // namespace zel::link
