#pragma once
// Reading a configuration from an open device (a file, standard input) without trusting its
// size: a configuration is a few kilobytes, and a device such as /dev/zero never ends.

#include <QByteArray>
#include <QString>

class QIODevice;

namespace zel::text {

// The largest file taken as a configuration. A configuration is a few kilobytes; the limit leaves
// room for a few very long lines while a file that cannot be one (a disk image, a log) is
// refused at once instead of stalling the window.
constexpr qint64 kConfigurationFileLimit = 4 * 1024 * 1024;

struct CappedBytes {
    QByteArray bytes;      // all the device held, when error is empty
    QString error;         // the device's error, or tooLargeReason(); empty when read
    bool tooLarge = false; // error is tooLargeReason()
};

// Reads an open device to its end, in pieces and never more than one byte past
// kConfigurationFileLimit.
CappedBytes readConfigurationBytes(QIODevice& device);

// "larger than a configuration file can be (4194304 bytes at most)"
QString tooLargeReason();

} // namespace zel::text
