#include "session/site/history_commit_message.h"

#include <QCoreApplication>

#include <map>

namespace zel::session {

namespace {

using Kind = HistoryUnitRecord::Kind;

// A group of the first line names no more units than this; the rest are counted.
constexpr int kMostNamed = 4;

struct KindWords {
    Kind kind;
    const char* word;
    bool named; // whether the first line names its units
};

// In the order the first line gives them.
const KindWords kKindWords[] = {
    {Kind::Changed, QT_TRANSLATE_NOOP("Site", "changed"), true},
    {Kind::New, QT_TRANSLATE_NOOP("Site", "new"), true},
    {Kind::Renamed, QT_TRANSLATE_NOOP("Site", "renamed"), true},
    {Kind::VolumeOnly, QT_TRANSLATE_NOOP("Site", "volume only"), true},
    {Kind::TextOnly, QT_TRANSLATE_NOOP("Site", "text only"), true},
    {Kind::Failed, QT_TRANSLATE_NOOP("Site", "failed"), true},
    {Kind::Unchanged, QT_TRANSLATE_NOOP("Site", "unchanged"), false},
};

QString wordOf(Kind kind)
{
    for (const KindWords& words : kKindWords)
        if (words.kind == kind)
            return QCoreApplication::translate("Site", words.word);
    return {};
}

QString namedIn(const HistoryUnitRecord& record)
{
    return record.kind == Kind::Failed ? record.name + QStringLiteral(": ") + record.reason
                                       : record.name;
}

} // namespace

bool isNews(const HistoryUnitRecord& record)
{
    return record.kind != Kind::Unchanged && record.kind != Kind::VolumeOnly;
}

bool changesFile(const HistoryUnitRecord& record)
{
    return record.kind != Kind::Unchanged && record.kind != Kind::Failed;
}

QString historySummary(const QString& siteName, const QList<HistoryUnitRecord>& records)
{
    std::map<Kind, QStringList> groups;
    for (const HistoryUnitRecord& record : records)
        groups[record.kind] << namedIn(record);
    QStringList parts;
    for (const KindWords& words : kKindWords) {
        const QStringList& names = groups[words.kind];
        if (names.isEmpty())
            continue;
        QString part = QStringLiteral("%1 %2").arg(QString::number(names.size()),
                                                   QCoreApplication::translate("Site", words.word));
        if (words.named) {
            QStringList shown = names.mid(0, kMostNamed);
            if (names.size() > kMostNamed)
                shown << QCoreApplication::translate("Site", "%1 more")
                             .arg(names.size() - kMostNamed);
            part += QStringLiteral(" (%1)").arg(shown.join(QStringLiteral(", ")));
        }
        parts << part;
    }
    if (parts.isEmpty())
        parts << QCoreApplication::translate("Site", "no unit");
    return siteName + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString historyRow(const HistoryUnitRecord& record)
{
    QString row = record.name + QStringLiteral("  ") + record.link + QStringLiteral("  ") +
                  wordOf(record.kind);
    if (!record.renamedFrom.isEmpty())
        row += QCoreApplication::translate("Site", ", renamed from \"%1\"").arg(record.renamedFrom);
    if (!record.detail.isEmpty())
        row += QStringLiteral(": ") + record.detail;
    for (const QString& change : record.changes)
        row += QStringLiteral("\n    ") + change;
    if (!record.leftOut.isEmpty())
        row += QStringLiteral("\n    ") +
               QCoreApplication::translate("Site", "(volumes, not counted as a change)");
    for (const QString& change : record.leftOut)
        row += QStringLiteral("\n    ") + change;
    return row;
}

QString historyMessage(const QString& siteName, const QList<HistoryUnitRecord>& records)
{
    QString message = historySummary(siteName, records) + QStringLiteral("\n");
    for (const HistoryUnitRecord& record : records)
        message += QStringLiteral("\n") + historyRow(record);
    return message + QStringLiteral("\n");
}

} // namespace zel::session
