#include "session/unit/unit_fingerprint.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/unit_model.h"
#include "text/latin1_text.h"

#include <QJsonArray>

namespace zel::session {

namespace {

QString nameOf(const std::string& name)
{
    return text::fromLatin1(model::writtenName(name)).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QJsonArray toArray(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QStringList fromArray(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

struct Points {
    double agree = 0;
    double compared = 0;
    void add(bool same, double weight)
    {
        compared += weight;
        if (same)
            agree += weight;
    }
};

void compareNames(const QStringList& a, const QStringList& b, Points& points)
{
    for (qsizetype i = 0; i < a.size() && i < b.size(); ++i)
        points.add(sameName(a[i], b[i]), 1);
}

} // namespace

QJsonObject UnitFingerprint::toJson() const
{
    return {{QStringLiteral("zones"), zoneCount},
            {QStringLiteral("sources"), sourceCount},
            {QStringLiteral("zoneNames"), toArray(zoneNames)},
            {QStringLiteral("sourceNames"), toArray(sourceNames)},
            {QStringLiteral("dhcp"), dhcp},
            {QStringLiteral("ip"), ipAddress},
            {QStringLiteral("netmask"), netmask},
            {QStringLiteral("gateway"), gateway}};
}

UnitFingerprint UnitFingerprint::fromJson(const QJsonObject& object)
{
    UnitFingerprint fingerprint;
    fingerprint.zoneCount = object.value(QStringLiteral("zones")).toInt(-1);
    fingerprint.sourceCount = object.value(QStringLiteral("sources")).toInt(-1);
    fingerprint.zoneNames = fromArray(object.value(QStringLiteral("zoneNames")));
    fingerprint.sourceNames = fromArray(object.value(QStringLiteral("sourceNames")));
    fingerprint.dhcp = object.value(QStringLiteral("dhcp")).toBool();
    fingerprint.ipAddress = object.value(QStringLiteral("ip")).toString();
    fingerprint.netmask = object.value(QStringLiteral("netmask")).toString();
    fingerprint.gateway = object.value(QStringLiteral("gateway")).toString();
    return fingerprint;
}

UnitFingerprint fingerprintOf(const model::ConfigModel& configuration)
{
    UnitFingerprint fingerprint;
    fingerprint.zoneCount = configuration.zoneCount();
    fingerprint.sourceCount = configuration.sourceCount();
    for (int z = 1; z <= configuration.zoneCount(); ++z)
        fingerprint.zoneNames << nameOf(configuration.zoneName(z));
    for (int s = 1; s <= configuration.sourceCount(); ++s)
        fingerprint.sourceNames << nameOf(configuration.sourceName(s));
    const model::NetworkSettings& network = configuration.network();
    fingerprint.dhcp = network.dhcp;
    fingerprint.ipAddress = text::fromLatin1(network.ipAddress).trimmed();
    fingerprint.netmask = text::fromLatin1(network.netmask).trimmed();
    fingerprint.gateway = text::fromLatin1(network.gateway).trimmed();
    return fingerprint;
}

UnitFingerprint fingerprintOfText(std::string_view text)
{
    model::ConfigModel configuration;
    model::resetModel(configuration);
    model::LogLines log;
    model::readText(configuration, text, log);
    return fingerprintOf(configuration);
}

double similarity(const UnitFingerprint& a, const UnitFingerprint& b, Compared compared)
{
    if (!a.isKnown() || !b.isKnown() || a.zoneCount != b.zoneCount ||
        a.sourceCount != b.sourceCount)
        return 0;
    Points points;
    compareNames(a.zoneNames, b.zoneNames, points);
    compareNames(a.sourceNames, b.sourceNames, points);
    const double names = points.compared;
    if (compared == Compared::NamesOnly)
        return names > 0 ? points.agree / names : 1.0;
    points.add(a.dhcp == b.dhcp, 1);
    if (!a.dhcp && !b.dhcp) {
        points.add(a.ipAddress == b.ipAddress, std::max(names, 1.0));
        points.add(a.netmask == b.netmask, 1);
        points.add(a.gateway == b.gateway, 1);
    }
    return points.agree / points.compared;
}

bool looksLikeSameUnit(const UnitFingerprint& a, const UnitFingerprint& b, Compared compared)
{
    return similarity(a, b, compared) >= kSameUnitShare;
}

bool isBlank(const UnitFingerprint& fingerprint)
{
    const auto blank = [](const QStringList& names, const QString& word) {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (!sameName(names[i], QStringLiteral("%1 Name %2").arg(word).arg(i + 1)))
                return false;
        return true;
    };
    return fingerprint.isKnown() && blank(fingerprint.zoneNames, QStringLiteral("Zone")) &&
           blank(fingerprint.sourceNames, QStringLiteral("Source"));
}

QString modelText(const UnitFingerprint& fingerprint)
{
    return text::fromLatin1(model::unitSizeText(
        {std::max(fingerprint.zoneCount, 0), std::max(fingerprint.sourceCount, 0)}));
}

QString networkText(const UnitFingerprint& fingerprint)
{
    if (fingerprint.dhcp)
        return QStringLiteral("DHCP");
    return QStringLiteral("%1/%2 gateway %3")
        .arg(fingerprint.ipAddress, fingerprint.netmask, fingerprint.gateway);
}

QString describeUnit(const UnitFingerprint& fingerprint)
{
    if (!fingerprint.isKnown())
        return QStringLiteral("a unit whose configuration named no zone or source");
    QStringList parts{modelText(fingerprint)};
    if (!fingerprint.zoneNames.isEmpty())
        parts << QStringLiteral("zone 1 \"%1\"").arg(fingerprint.zoneNames.front());
    if (!fingerprint.sourceNames.isEmpty())
        parts << QStringLiteral("source 1 \"%1\"").arg(fingerprint.sourceNames.front());
    parts << networkText(fingerprint);
    return parts.join(QStringLiteral(", "));
}

} // namespace zel::session
