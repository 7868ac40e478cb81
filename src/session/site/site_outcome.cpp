#include "session/site/site_outcome.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <map>

namespace zel::session {

using Result = UnitOutcome::Result;

bool isGood(Result result)
{
    return result == Result::FirstBackup || result == Result::Unchanged || result == Result::Same;
}

namespace {

// The word of a result as scripts read it; translated where a user reads it.
const char* resultKey(Result result)
{
    switch (result) {
    case Result::FirstBackup:
        return QT_TRANSLATE_NOOP("Site", "backed up");
    case Result::Unchanged:
        return QT_TRANSLATE_NOOP("Site", "unchanged");
    case Result::Changed:
        return QT_TRANSLATE_NOOP("Site", "changed");
    case Result::Same:
        return QT_TRANSLATE_NOOP("Site", "same");
    case Result::Differs:
        return QT_TRANSLATE_NOOP("Site", "differs");
    case Result::NoBackup:
        return QT_TRANSLATE_NOOP("Site", "no backup");
    case Result::AnotherUnit:
        return QT_TRANSLATE_NOOP("Site", "another unit");
    case Result::Failed:
        return QT_TRANSLATE_NOOP("Site", "failed");
    }
    return "";
}

} // namespace

QString resultWord(Result result)
{
    return QCoreApplication::translate("Site", resultKey(result));
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
                       {QStringLiteral("result"), QLatin1String(resultKey(outcome.result))},
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
    const QString counted =
        parts.isEmpty() ? QString() : QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    return outcomes.size() == 1 ? QCoreApplication::translate("Site", "1 unit%1").arg(counted)
                                : QCoreApplication::translate("Site", "%1 units%2")
                                      .arg(QString::number(outcomes.size()), counted);
}

} // namespace zel::session
