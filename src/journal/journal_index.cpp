#include "journal/journal_index.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zel::journal {

namespace {

QJsonObject toJson(const Entry& entry)
{
    QJsonObject object{{"time", entry.time.toString(Qt::ISODateWithMs)},
                       {"direction", directionWord(entry.direction)},
                       {"unit", entry.unit},
                       {"whole", entry.whole},
                       {"partial", entry.partial},
                       {"ending", entry.ending},
                       {"configLines", entry.configLines},
                       {"file", entry.file},
                       {"size", static_cast<double>(entry.size)}};
    if (!entry.identity.isEmpty())
        object["identity"] = entry.identity;
    if (entry.kept)
        object["kept"] = true;
    if (entry.cause != Cause::None)
        object["cause"] = causeText(entry.cause);
    if (entry.live)
        object["live"] = true;
    return object;
}

} // namespace

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') &&
           name != QStringLiteral(".") && name != QStringLiteral("..");
}

QByteArray indexBytes(const QList<Entry>& entries)
{
    QJsonArray array;
    for (const Entry& entry : entries)
        array.append(toJson(entry));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

std::optional<IndexRead> readIndex(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    IndexRead read;
    for (const QJsonValue& value : document.array()) {
        const QJsonObject object = value.toObject();
        Entry entry;
        entry.time = QDateTime::fromString(object["time"].toString(), Qt::ISODateWithMs);
        entry.direction = object["direction"].toString() == QStringLiteral("to")
                              ? Direction::ToUnit
                              : Direction::FromUnit;
        entry.unit = object["unit"].toString();
        entry.whole = object["whole"].toBool();
        entry.partial = object["partial"].toBool();
        entry.ending = object["ending"].toString();
        entry.identity = object["identity"].toString();
        entry.kept = object["kept"].toBool();
        entry.cause = causeFromText(object["cause"].toString());
        entry.live = entry.partial && object["live"].toBool();
        entry.configLines = object["configLines"].toInt();
        entry.file = object["file"].toString();
        entry.size = static_cast<qint64>(object["size"].toDouble());
        if (!entry.time.isValid() || !isPlainName(entry.file))
            continue;
        if (entry.direction == Direction::ToUnit && !object.contains("partial"))
            read.unmarkedSends.insert(entry.file);
        read.entries.append(entry);
    }
    return read;
}

} // namespace zel::journal
