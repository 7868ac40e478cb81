#include "journal/journal_index.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zel::journal {

namespace {

QJsonObject toJson(const Entry& entry)
{
    return {{"time", entry.time.toString(Qt::ISODateWithMs)},
            {"direction", directionWord(entry.direction)},
            {"unit", entry.unit},
            {"whole", entry.whole},
            {"ending", entry.ending},
            {"configLines", entry.configLines},
            {"file", entry.file},
            {"size", static_cast<double>(entry.size)}};
}

// A file name the journal made: no folder part, so an index that was tampered with cannot make
// the journal read or delete files elsewhere.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') &&
           name != QStringLiteral(".") && name != QStringLiteral("..");
}

} // namespace

QByteArray indexBytes(const QList<Entry>& entries)
{
    QJsonArray array;
    for (const Entry& entry : entries)
        array.append(toJson(entry));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QList<Entry> readIndex(const QByteArray& bytes)
{
    QList<Entry> entries;
    const QJsonArray array = QJsonDocument::fromJson(bytes).array();
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        Entry entry;
        entry.time = QDateTime::fromString(object["time"].toString(), Qt::ISODateWithMs);
        entry.direction = object["direction"].toString() == QStringLiteral("to")
                              ? Direction::ToUnit
                              : Direction::FromUnit;
        entry.unit = object["unit"].toString();
        entry.whole = object["whole"].toBool();
        entry.ending = object["ending"].toString();
        entry.configLines = object["configLines"].toInt();
        entry.file = object["file"].toString();
        entry.size = static_cast<qint64>(object["size"].toDouble());
        if (entry.time.isValid() && isPlainName(entry.file))
            entries.append(entry);
    }
    return entries;
}

} // namespace zel::journal
