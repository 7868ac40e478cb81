#include "text/capped_read.h"

#include <QFileDevice>
#include <QObject>

#include <algorithm>

namespace zel::text {

QString tooLargeReason()
{
    return QObject::tr("larger than a configuration file can be (%1 bytes at most)")
        .arg(kConfigurationFileLimit);
}

CappedBytes readConfigurationBytes(QIODevice& device)
{
    constexpr qint64 kPiece = 64 * 1024;
    constexpr qint64 kCap = kConfigurationFileLimit + 1;
    CappedBytes result;
    while (result.bytes.size() < kCap) {
        const QByteArray piece = device.read(std::min(kPiece, kCap - result.bytes.size()));
        if (piece.isEmpty())
            break;
        result.bytes += piece;
    }
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (file && file->error() != QFileDevice::NoError) {
        result.error = device.errorString();
    } else if (result.bytes.size() > kConfigurationFileLimit) {
        result.error = tooLargeReason();
        result.tooLarge = true;
    }
    if (!result.error.isEmpty())
        result.bytes.clear();
    return result;
}

} // namespace zel::text
