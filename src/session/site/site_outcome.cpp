#include "session/site/site_outcome.h"

#include <QJsonArray>

#include <map>

namespace zel::session {

using Result = UnitOutcome::Result;

bool isGood(Result result)
{
    return result == Result::FirstBackup || result == Result::Unchanged || result == Result::Same;
}

QString resultWord(Result result)
{
    switch (result) {
    case Result::FirstBackup:
        return QStringLiteral("backed up");
    case Result::Unchanged:
        return QStringLiteral("unchanged");
    case Result::Changed:
        return QStringLiteral("changed");
    case Result::Same:
        return QStringLiteral("same");
    case Result::Differs:
        return QStringLiteral("differs");
    case Result::NoBackup:
        return QStringLiteral("no backup");
    case Result::AnotherUnit:
        return QStringLiteral("another unit");
    case Result::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

QString outcomeLine(const UnitOutcome& outcome)
{
    QString line = outcome.name + QStringLiteral("  ") + outcome.link.text() +
                   QStringLiteral("  ") + resultWord(outcome.result);
    if (!outcome.detail.isEmpty())
        line += QStringLiteral("  ") + outcome.detail;
    return line;
}

QJsonObject outcomeJson(const UnitOutcome& outcome)
{
    QJsonObject object{{QStringLiteral("name"), outcome.name},
                       {QStringLiteral("link"), outcome.link.text()},
                       {QStringLiteral("result"), resultWord(outcome.result)},
                       {QStringLiteral("good"), isGood(outcome.result)},
                       {QStringLiteral("detail"), outcome.detail},
                       {QStringLiteral("changes"), QJsonArray::fromStringList(outcome.changes)}};
    if (!outcome.identity.isEmpty())
        object.insert(QStringLiteral("identity"), outcome.identity);
    if (outcome.backupTime.isValid())
        object.insert(QStringLiteral("backupTime"),
                      outcome.backupTime.toUTC().toString(Qt::ISODate));
    return object;
}

QString summaryLine(const QList<UnitOutcome>& outcomes)
{
    std::map<Result, int> counts;
    for (const UnitOutcome& outcome : outcomes)
        ++counts[outcome.result];
    QStringList parts;
    for (const auto& [result, count] : counts)
        parts << QStringLiteral("%1 %2").arg(count).arg(resultWord(result));
    return QStringLiteral("%1 unit%2%3")
        .arg(outcomes.size())
        .arg(outcomes.size() == 1 ? QString() : QStringLiteral("s"))
        .arg(parts.isEmpty() ? QString() : QStringLiteral(": ") + parts.join(QStringLiteral(", ")));
}

} // namespace zel::session
