#include "session/site/site_file.h"

#include "text/file_save.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace zel::session {

namespace {

// Larger than any site of units; a file that cannot be one is refused at once.
constexpr qint64 kSiteFileLimit = 1024 * 1024;

bool isLinkWord(const QString& word)
{
    return word.startsWith(QLatin1String("tcp:")) || word.startsWith(QLatin1String("serial:"));
}

struct Word {
    QString text;
    qsizetype at;
};

QList<Word> wordsOf(const QString& line)
{
    static const QRegularExpression word(QStringLiteral("\\S+"));
    QList<Word> words;
    for (auto it = word.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        words.append({match.captured(), match.capturedStart()});
    }
    return words;
}

// One unit line read into `unit`; the problem when it is not one. The remark is split off
// first: it begins at the first word that starts with "#" after the first link word, so that
// a link written in a remark never stands for the unit's own. Before the remark, the link is the
// last link word and the name is everything before it.
QString readUnitLine(const QString& line, SiteUnit& unit)
{
    QList<Word> words = wordsOf(line);
    const auto firstLink = std::find_if(words.cbegin(), words.cend(),
                                        [](const Word& word) { return isLinkWord(word.text); });
    if (firstLink == words.cend())
        return QCoreApplication::translate("Site",
                                           "no link: give the unit's name, then tcp:HOST[:PORT] or "
                                           "serial:DEVICE");
    const auto remark = std::find_if(firstLink + 1, words.cend(), [](const Word& word) {
        return word.text.startsWith(QLatin1Char('#'));
    });
    if (remark != words.cend()) {
        unit.remark = line.mid(remark->at).trimmed();
        words.erase(remark, words.cend());
    }
    qsizetype linkWord = words.size() - 1;
    while (!isLinkWord(words[linkWord].text))
        --linkWord; // the first link word is still there: this ends
    if (linkWord + 1 < words.size())
        return QCoreApplication::translate("Site",
                                           "\"%1\" after the link: only a remark (after \"#\") may "
                                           "follow it")
            .arg(words[linkWord + 1].text);
    unit.name = line.left(words[linkWord].at).trimmed();
    QString error;
    const std::optional<SiteLink> link = parseSiteLink(words[linkWord].text, &error);
    if (!link)
        return error;
    unit.link = *link;
    if (unit.name.isEmpty())
        return QCoreApplication::translate("Site", "no name before the link");
    return {};
}

} // namespace

SiteRead readSiteText(const QByteArray& bytes)
{
    SiteRead read;
    QStringList pending; // remarks and empty lines not yet placed
    const QStringList lines =
        QString::fromLatin1(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
            if (i + 1 < lines.size() || !line.isEmpty()) // not the end of the last line
                pending << trimmed;
            continue;
        }
        SiteUnit unit;
        const QString problem = readUnitLine(line, unit);
        const QString where = QCoreApplication::translate("Site", "line %1: ").arg(i + 1);
        if (!problem.isEmpty()) {
            read.problems << where + problem;
            continue;
        }
        for (const SiteUnit& other : read.site.units)
            if (other.name.compare(unit.name, Qt::CaseInsensitive) == 0)
                read.problems << where + QCoreApplication::translate(
                                             "Site", "the name \"%1\" is given twice")
                                             .arg(unit.name);
        unit.linesBefore = std::exchange(pending, {});
        read.site.units << unit;
    }
    read.site.linesAfter = pending;
    return read;
}

QByteArray siteText(const Site& site)
{
    QString text;
    const auto addLine = [&text](const QString& line) { text += line + QLatin1Char('\n'); };
    for (const SiteUnit& unit : site.units) {
        for (const QString& line : unit.linesBefore)
            addLine(line);
        QString line = unit.name + QLatin1Char(' ') + unit.link.text();
        if (!unit.remark.isEmpty())
            line += QStringLiteral("   ") + unit.remark;
        addLine(line);
    }
    for (const QString& line : site.linesAfter)
        addLine(line);
    return text.toLatin1();
}

QString siteUnitProblem(const Site& site, int index, const QString& name, const QString& link)
{
    SiteUnit unit;
    const QString line = name.trimmed() + QLatin1Char(' ') + link.trimmed();
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("Site", "the unit has no name");
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return QCoreApplication::translate("Site", "a name is one line");
    // Such a line is read back as a remark, and the unit would be gone from the site.
    if (name.trimmed().startsWith(QLatin1Char('#')))
        return QCoreApplication::translate("Site", "a name that begins with \"#\" would be read "
                                                   "as a remark");
    if (QString problem = readUnitLine(line, unit); !problem.isEmpty())
        return problem;
    if (unit.name != name.trimmed() || !unit.remark.isEmpty())
        return QCoreApplication::translate(
            "Site", "a word that begins with \"#\" after a link in the name would "
                    "begin a remark");
    for (qsizetype i = 0; i < site.units.size(); ++i)
        if (i != index && site.units[i].name.compare(unit.name, Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("Site", "the name \"%1\" is given twice")
                .arg(unit.name);
    if (QString::fromLatin1(name.toLatin1()) != name)
        return QCoreApplication::translate("Site",
                                           "the name holds letters a site file cannot keep");
    return {};
}

void removeSiteUnit(Site& site, qsizetype index)
{
    if (index < 0 || index >= site.units.size())
        return;
    const QStringList remarks = site.units.takeAt(index).linesBefore;
    QStringList& below =
        index < site.units.size() ? site.units[index].linesBefore : site.linesAfter;
    below = remarks + below;
}

SiteLoad readSiteFile(const QString& path)
{
    using Kind = SiteLoad::Kind;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {file.exists() ? Kind::Unreadable : Kind::Missing, file.errorString(), {}};
    const QByteArray bytes = file.read(kSiteFileLimit + 1);
    if (bytes.size() > kSiteFileLimit)
        return {
            Kind::Unreadable,
            QCoreApplication::translate("Site", "larger than a site file can be (%1 bytes at most)")
                .arg(kSiteFileLimit),
            {}};
    if (file.error() != QFileDevice::NoError)
        return {Kind::Unreadable, file.errorString(), {}};
    SiteRead read = readSiteText(bytes);
    if (!read.problems.isEmpty())
        return {Kind::NotASite, read.problems.join(QLatin1Char('\n')), {}};
    return {Kind::Done, {}, std::move(read.site)};
}

std::optional<Site> loadSiteFile(const QString& path, QString& error)
{
    SiteLoad load = readSiteFile(path);
    if (load.kind != SiteLoad::Kind::Done) {
        error = load.error;
        return std::nullopt;
    }
    return std::move(load.site);
}

QString saveSiteFile(const QString& path, const Site& site)
{
    return text::saveWholeFile(path, siteText(site));
}

} // namespace zel::session
