#include "records_invariants.h"

#include "journal/entry_header.h"
#include "journal/journal_index.h"
#include "session/find/address_range.h"
#include "session/site/site_file.h"
#include "session/unit/unit_directory.h"

namespace zel::fuzz {

namespace {

std::string siteInvariants(const QByteArray& bytes)
{
    const session::SiteRead read = session::readSiteText(bytes);
    if (!read.problems.isEmpty())
        return {};
    const session::SiteRead again = session::readSiteText(session::siteText(read.site));
    if (!again.problems.isEmpty())
        return "a site written back has problems: " + again.problems.join(' ').toStdString();
    if (!(again.site == read.site))
        return "a site written back reads as another site";
    for (qsizetype i = 0; i < read.site.units.size(); ++i) {
        const session::SiteUnit& unit = read.site.units[i];
        if (!session::siteUnitProblem(read.site, int(i), unit.name, unit.link.text()).isEmpty())
            return "a unit read from a line is refused as a unit of the site";
    }
    return {};
}

std::string headerInvariants(const QByteArray& bytes)
{
    const std::optional<journal::HeaderRead> read = journal::readEntryHeader(bytes);
    if (!read)
        return {};
    if (read->bodyStart < 0 || read->bodyStart > bytes.size())
        return "a header ends outside its text";
    const QByteArray again = journal::entryHeader(read->entry) + bytes.mid(read->bodyStart);
    const std::optional<journal::HeaderRead> reread = journal::readEntryHeader(again);
    if (!reread)
        return "a header written back does not read";
    const journal::Entry& a = read->entry;
    const journal::Entry& b = reread->entry;
    // How an entry ended is said only of one that did not end whole.
    const QString ending = a.whole ? QString() : a.ending;
    if (a.time != b.time || journal::kindOf(a) != journal::kindOf(b) || a.unit != b.unit ||
        ending != b.ending || a.identity != b.identity || a.kept != b.kept)
        return "a header written back reads as another entry";
    return {};
}

std::string indexInvariants(const QByteArray& bytes)
{
    const std::optional<journal::IndexRead> read = journal::readIndex(bytes);
    if (!read)
        return {};
    for (const journal::Entry& entry : read->entries)
        if (!journal::isPlainName(entry.file))
            return "the index names a file outside the journal folder";
    const std::optional<journal::IndexRead> again =
        journal::readIndex(journal::indexBytes(read->entries));
    if (!again || again->entries.size() != read->entries.size())
        return "an index written back loses entries";
    for (qsizetype i = 0; i < read->entries.size(); ++i) {
        const journal::Entry& a = read->entries[i];
        const journal::Entry& b = again->entries[i];
        if (a.file != b.file || a.unit != b.unit || journal::kindOf(a) != journal::kindOf(b) ||
            a.kept != b.kept || a.size != b.size)
            return "an index written back reads as other entries";
    }
    return {};
}

std::string directoryInvariants(const QByteArray& bytes)
{
    session::UnitDirectory directory{QString()};
    if (!directory.parse(bytes).isEmpty())
        return {};
    for (const session::KnownUnit& unit : directory.units())
        if (unit.identity.isEmpty())
            return "a unit without an identity was taken";
    session::UnitDirectory again{QString()};
    if (!again.parse(directory.bytes()).isEmpty())
        return "a unit directory written back does not read";
    if (again.units() != directory.units())
        return "a unit directory written back reads as other units";
    return {};
}

std::string rangeInvariants(const QByteArray& bytes)
{
    QString error;
    const std::optional<session::AddressRange> range =
        session::parseAddressRange(QString::fromLatin1(bytes), error);
    if (!range)
        return error.isEmpty() ? "a refused range says nothing" : std::string();
    if (range->last < range->first)
        return "a range ends before it begins";
    session::AddressWalk walk;
    walk.add(*range);
    walk.add(*range);
    if (walk.count() != 2 * range->count() ||
        walk.at(walk.count() - 1) != range->at(range->count() - 1) ||
        walk.at(range->count()) != range->at(0))
        return "a walk of a range twice does not go through it twice";
    return {};
}

} // namespace

std::string checkRecordInvariants(std::string_view input)
{
    if (input.empty())
        return {};
    static constexpr std::string_view kReaders = "SHIUA";
    const std::size_t chosen = kReaders.find(input.front());
    const QByteArray bytes(input.data() + 1, static_cast<qsizetype>(input.size() - 1));
    switch (chosen == std::string_view::npos ? static_cast<unsigned char>(input.front()) % 5
                                             : chosen) {
    case 0:
        return siteInvariants(bytes);
    case 1:
        return headerInvariants(bytes);
    case 2:
        return indexInvariants(bytes);
    case 3:
        return directoryInvariants(bytes);
    default:
        return rangeInvariants(bytes);
    }
}

} // namespace zel::fuzz
