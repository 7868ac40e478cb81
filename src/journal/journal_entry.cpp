#include "journal/journal_entry.h"

#include <array>

namespace zel::journal {

namespace {

constexpr std::array kKinds = {
    Kind::WholeFetch,  Kind::IncompleteFetch,       Kind::WholeSend, Kind::IncompleteSend,
    Kind::PartialSend, Kind::IncompletePartialSend, Kind::LiveSend,  Kind::IncompleteLiveSend};

constexpr std::array kCauses = {Cause::Import,     Cause::Export,    Cause::SendSelected,
                                Cause::AsFound,    Cause::Compare,   Cause::SiteBackup,
                                Cause::SiteVerify, Cause::LiveStart, Cause::LiveRead,
                                Cause::LiveEdit,   Cause::LiveEnd,   Cause::Restore};

} // namespace

QString directionWord(Direction direction)
{
    return direction == Direction::FromUnit ? QStringLiteral("from") : QStringLiteral("to");
}

Kind kindOf(const Entry& entry)
{
    if (entry.direction == Direction::FromUnit)
        return entry.whole ? Kind::WholeFetch : Kind::IncompleteFetch;
    if (entry.live)
        return entry.whole ? Kind::LiveSend : Kind::IncompleteLiveSend;
    if (entry.partial)
        return entry.whole ? Kind::PartialSend : Kind::IncompletePartialSend;
    return entry.whole ? Kind::WholeSend : Kind::IncompleteSend;
}

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::WholeFetch:
        return QStringLiteral("whole fetch");
    case Kind::IncompleteFetch:
        return QStringLiteral("incomplete fetch");
    case Kind::WholeSend:
        return QStringLiteral("whole send");
    case Kind::IncompleteSend:
        return QStringLiteral("incomplete send");
    case Kind::PartialSend:
        return QStringLiteral("partial send");
    case Kind::IncompletePartialSend:
        return QStringLiteral("incomplete partial send");
    case Kind::LiveSend:
        return QStringLiteral("live send");
    case Kind::IncompleteLiveSend:
        return QStringLiteral("incomplete live send");
    }
    return {};
}

std::optional<Kind> kindFromText(const QString& text)
{
    for (const Kind kind : kKinds)
        if (kindText(kind) == text)
            return kind;
    return std::nullopt;
}

QString causeText(Cause cause)
{
    switch (cause) {
    case Cause::None:
        return {};
    case Cause::Import:
        return QStringLiteral("import");
    case Cause::Export:
        return QStringLiteral("export");
    case Cause::SendSelected:
        return QStringLiteral("Send Selected");
    case Cause::AsFound:
        return QStringLiteral("as found before a send");
    case Cause::Compare:
        return QStringLiteral("compare");
    case Cause::SiteBackup:
        return QStringLiteral("site backup");
    case Cause::SiteVerify:
        return QStringLiteral("site verify");
    case Cause::LiveStart:
        return QStringLiteral("live start");
    case Cause::LiveRead:
        return QStringLiteral("live read");
    case Cause::LiveEdit:
        return QStringLiteral("live edit");
    case Cause::LiveEnd:
        return QStringLiteral("live end");
    case Cause::Restore:
        return QStringLiteral("restore");
    }
    return {};
}

Cause causeFromText(const QString& text)
{
    for (const Cause cause : kCauses)
        if (causeText(cause) == text)
            return cause;
    return Cause::None;
}

void setKind(Entry& entry, Kind kind)
{
    entry.direction = kind == Kind::WholeFetch || kind == Kind::IncompleteFetch
                          ? Direction::FromUnit
                          : Direction::ToUnit;
    entry.whole = kind == Kind::WholeFetch || kind == Kind::WholeSend ||
                  kind == Kind::PartialSend || kind == Kind::LiveSend;
    entry.live = kind == Kind::LiveSend || kind == Kind::IncompleteLiveSend;
    entry.partial = entry.live || kind == Kind::PartialSend || kind == Kind::IncompletePartialSend;
}

bool holdsWholeConfiguration(const Entry& entry)
{
    return !(entry.direction == Direction::ToUnit && entry.partial);
}

QString summaryText(const Entry& entry)
{
    const QString kind = kindText(kindOf(entry));
    return entry.whole || entry.ending.isEmpty() ? kind
                                                 : kind + QStringLiteral(": ") + entry.ending;
}

QString endingText(const Entry& entry)
{
    if (entry.whole)
        return entry.direction == Direction::FromUnit ? QStringLiteral("came whole")
                                                      : QStringLiteral("every line acknowledged");
    return entry.ending.isEmpty() ? QStringLiteral("stopped") : entry.ending;
}

} // namespace zel::journal
