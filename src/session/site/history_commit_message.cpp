#include "session/site/history_commit_message.h"

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
    {Kind::Changed, "changed", true},      {Kind::New, "new", true},
    {Kind::Renamed, "renamed", true},      {Kind::VolumeOnly, "volume only", true},
    {Kind::TextOnly, "text only", true},   {Kind::Failed, "failed", true},
    {Kind::Unchanged, "unchanged", false},
};

QString wordOf(Kind kind)
{
    for (const KindWords& words : kKindWords)
        if (words.kind == kind)
            return QString::fromLatin1(words.word);
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
        QString part = QStringLiteral("%1 %2").arg(names.size()).arg(QLatin1String(words.word));
        if (words.named) {
            QStringList shown = names.mid(0, kMostNamed);
            if (names.size() > kMostNamed)
                shown << QStringLiteral("%1 more").arg(names.size() - kMostNamed);
            part += QStringLiteral(" (%1)").arg(shown.join(QStringLiteral(", ")));
        }
        parts << part;
    }
    if (parts.isEmpty())
        parts << QStringLiteral("no unit");
    return siteName + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString historyRow(const HistoryUnitRecord& record)
{
    QString row = record.name + QStringLiteral("  ") + record.link + QStringLiteral("  ") +
                  wordOf(record.kind);
    if (!record.renamedFrom.isEmpty())
        row += QStringLiteral(", renamed from \"%1\"").arg(record.renamedFrom);
    if (!record.detail.isEmpty())
        row += QStringLiteral(": ") + record.detail;
    for (const QString& change : record.changes)
        row += QStringLiteral("\n    ") + change;
    if (!record.leftOut.isEmpty())
        row += QStringLiteral("\n    (volumes, not counted as a change)");
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
