#include "report/change_words.h"

#include "report/html_text.h"

#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_writer.h"
#include "report/report_texts.h"

#include <algorithm>
#include <map>
#include <span>

namespace zel::report {

namespace {

using model::ConfigModel;
using model::Difference;
using model::DiffSubject;
using model::ZoneAudio;

int written(int count)
{
    return std::max(count, 0);
}

QString dB(int level)
{
    return ReportText::tr("%1 dB").arg(signedLevel(level));
}

QString was(const QString& text)
{
    return ReportText::tr(" (was %1)").arg(text);
}

QString onOff(bool on)
{
    return on ? ReportText::tr("on") : ReportText::tr("off");
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return ReportText::tr("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

class Wording {
public:
    Wording(const ConfigModel& before, const ConfigModel& after) : m_a(before), m_b(after) {}

    QStringList run()
    {
        const std::vector<Difference> differences = model::compareConfigurations(m_a, m_b);
        for (auto first = differences.begin(); first != differences.end();) {
            const auto last = std::find_if(first, differences.end(), [&](const Difference& d) {
                return d.subject != first->subject || d.number != first->number;
            });
            word(*first, std::span(first, last));
            first = last;
        }
        return m_out;
    }

private:
    void say(const QString& sentence) { m_out << sentence; }

    void word(const Difference& first, std::span<const Difference> group)
    {
        const int n = first.number;
        switch (first.subject) {
        case DiffSubject::Counts:
            counts();
            break;
        case DiffSubject::Unit:
            unitSettings();
            break;
        case DiffSubject::Source:
            if (n <= written(m_a.sourceCount()) && n <= written(m_b.sourceCount()))
                renamed(ReportText::tr("Source"), n, m_a.sourceName(n), m_b.sourceName(n));
            break;
        case DiffSubject::Zone:
            if (inBoth(n))
                renamed(ReportText::tr("Zone"), n, m_a.zoneName(n), m_b.zoneName(n));
            break;
        case DiffSubject::ZoneAudio:
            zoneAudio(n);
            break;
        case DiffSubject::Preset:
            preset(n);
            break;
        case DiffSubject::FavoriteName:
            renamed(ReportText::tr("Favorite"), n, m_a.favoriteName(n), m_b.favoriteName(n));
            break;
        case DiffSubject::Favorite:
            favorite(n, group);
            break;
        case DiffSubject::GroupName:
            renamed(ReportText::tr("Group"), n, m_a.groupName(n), m_b.groupName(n));
            break;
        case DiffSubject::Group:
            groupMembers(n, group);
            break;
        }
    }

    bool inBoth(int z) const
    {
        return z <= written(m_a.zoneCount()) && z <= written(m_b.zoneCount());
    }

    // Zones and sources by the name they have now, or had when they are gone.
    QString zone(int z) const
    {
        const ConfigModel& side = z <= written(m_b.zoneCount()) ? m_b : m_a;
        return numberedName(ReportText::tr("Zone"), z, side.zoneName(z));
    }
    QString source(int s) const
    {
        const ConfigModel& side = s <= written(m_b.sourceCount()) ? m_b : m_a;
        return numberedName(ReportText::tr("Source"), s, side.sourceName(s));
    }
    QString presetTitle(int p) const
    {
        return numberedName(ReportText::tr("Preset"), p, m_b.preset(p).name);
    }

    void counts()
    {
        const auto count = [&](int before, int after, const QString& what) {
            if (written(before) != written(after))
                say(ReportText::tr("The unit now has %1 %2")
                        .arg(QString::number(written(after)), what) +
                    was(QString::number(written(before))));
        };
        count(m_a.zoneCount(), m_b.zoneCount(), ReportText::tr("zones"));
        count(m_a.sourceCount(), m_b.sourceCount(), ReportText::tr("sources"));
    }

    void unitSettings()
    {
        const auto setting = [&](const QString& name, const QString& before, const QString& after) {
            if (before != after)
                say(QStringLiteral("%1 %2").arg(name, after) + was(before));
        };
        setting(ReportText::tr("Display brightness"), latin1(m_a.displayLevelText()),
                latin1(m_b.displayLevelText()));
        setting(ReportText::tr("Front-panel lock"), onOff(m_a.frontPanelLocked()),
                onOff(m_b.frontPanelLocked()));
        setting(ReportText::tr("IR lockout"), onOff(m_a.irLockout()), onOff(m_b.irLockout()));
        const model::NetworkSettings& a = m_a.network();
        const model::NetworkSettings& b = m_b.network();
        setting(ReportText::tr("DHCP"), onOff(a.dhcp), onOff(b.dhcp));
        if (b.dhcp) // the addresses are the server's then
            return;
        const auto address = [&](const QString& name, const std::string& before,
                                 const std::string& after) {
            if (a.dhcp)
                say(QStringLiteral("%1 %2").arg(name, nameText(after)));
            else if (before != after)
                say(QStringLiteral("%1 %2").arg(name, nameText(after)) + was(nameText(before)));
        };
        address(ReportText::tr("IP address"), a.ipAddress, b.ipAddress);
        address(ReportText::tr("Netmask"), a.netmask, b.netmask);
        address(ReportText::tr("Gateway"), a.gateway, b.gateway);
    }

    // A name as the writer writes it (cut to its length), or whole for a preset's.
    void renamed(const QString& kind, int n, const std::string& before, const std::string& after,
                 bool whole = false)
    {
        if (whole ? before == after : model::writtenName(before) == model::writtenName(after))
            return;
        const QString title = numberedName(kind, n, before);
        if (nameText(after).isEmpty())
            say(ReportText::tr("%1: name cleared").arg(title));
        else if (nameText(before).isEmpty())
            say(ReportText::tr("%1 named %2").arg(title, nameText(after)));
        else
            say(ReportText::tr("%1 renamed %2").arg(title, nameText(after)));
    }

    // Only the bands whose level differs, each by its frequency: "125 Hz: 0 → +4 dB".
    static QStringList bandChanges(const std::array<int8_t, model::kBands>& before,
                                   const std::array<int8_t, model::kBands>& after)
    {
        QStringList bands;
        for (int b = 1; b <= model::kBands; ++b) {
            const int old = before[static_cast<std::size_t>(b - 1)];
            const int level = after[static_cast<std::size_t>(b - 1)];
            if (old != level)
                bands << ReportText::tr("%1: %2 → %3 dB")
                             .arg(bandFrequency(b), signedLevel(old), signedLevel(level));
        }
        return bands;
    }

    // A setting is listed only when its value differs; a change of EQ mode says so once and
    // lists only those of the new mode's settings whose values changed with it.
    void zoneAudio(int z)
    {
        if (!inBoth(z))
            return; // the count's sentence says so
        const ZoneAudio& a = m_a.zoneAudio(z);
        const ZoneAudio& b = m_b.zoneAudio(z);
        const QString title = zone(z);
        if (a.audioKnown != b.audioKnown) {
            say((b.audioKnown ? ReportText::tr("%1: audio settings now set")
                              : ReportText::tr("%1: audio settings no longer set"))
                    .arg(title));
            return;
        }
        if (a.volumeLocked != b.volumeLocked)
            say((b.volumeLocked ? ReportText::tr("%1 volume locked")
                                : ReportText::tr("%1 volume unlocked"))
                    .arg(title));
        // An unlocked volume is written again, so it is said whether or not it moved.
        if (!b.volumeLocked && (a.volumeLocked || a.volume != b.volume))
            say(ReportText::tr("%1 volume %2").arg(title, dB(b.volume)) +
                (a.volumeLocked ? QString() : was(dB(a.volume))));
        if (b.eqMode < 0) { // nothing more of the zone is written
            if (a.eqMode >= 0)
                say(ReportText::tr("%1 EQ mode none chosen").arg(title) +
                    was(eqModeText(a.eqMode)));
            return;
        }
        const bool aWritten = a.eqMode >= 0;
        if (a.eqMode != b.eqMode)
            say(ReportText::tr("%1 EQ mode %2").arg(title, eqModeText(b.eqMode)) +
                (aWritten ? was(eqModeText(a.eqMode)) : QString()));
        if (a.balance != b.balance)
            say(ReportText::tr("%1 balance %2").arg(title, balanceText(b.balance)) +
                was(balanceText(a.balance)));
        switch (b.eqMode) {
        case model::kEqModeZq:
            if (const QStringList bands = bandChanges(a.bands, b.bands); !bands.isEmpty())
                say(ReportText::tr("%1 EQ: %2").arg(title, bands.join(QStringLiteral(", "))));
            break;
        case model::kEqModePreset:
            if (b.systemEqPreset > 0 && a.systemEqPreset != b.systemEqPreset)
                say(ReportText::tr("%1 EQ preset %2").arg(title, storedPreset(b.systemEqPreset)));
            break;
        case model::kEqModeTone: // held with the sign reversed
            if (a.bass != b.bass)
                say(ReportText::tr("%1 bass %2").arg(title, dB(-b.bass)) + was(dB(-a.bass)));
            if (a.treble != b.treble)
                say(ReportText::tr("%1 treble %2").arg(title, dB(-b.treble)) + was(dB(-a.treble)));
            break;
        case model::kEqModeLowpass:
            if (b.lowpass >= 0 && a.lowpass != b.lowpass)
                say(ReportText::tr("%1 lowpass %2 Hz").arg(title, QString::number(b.lowpass)) +
                    (a.lowpass >= 0 ? was(ReportText::tr("%1 Hz").arg(a.lowpass)) : QString()));
            break;
        default:
            break;
        }
    }

    // The preset a zone's stored number names: the window's box counts the presets from 0.
    QString storedPreset(int stored) const
    {
        return ConfigModel::isPreset(stored + 1) ? presetTitle(stored + 1)
                                                 : ReportText::tr("number %1").arg(stored);
    }

    void preset(int p)
    {
        const model::DevicePreset& a = m_a.preset(p);
        const model::DevicePreset& b = m_b.preset(p);
        renamed(ReportText::tr("Preset"), p, a.name, b.name, true);
        if (const QStringList bands = bandChanges(a.bands, b.bands); !bands.isEmpty())
            say(ReportText::tr("%1 EQ: %2").arg(presetTitle(p), bands.join(QStringLiteral(", "))));
    }

    void favorite(int f, std::span<const Difference> connections)
    {
        // By zone: the sources it now plays, and those it plays no more.
        std::map<int, std::pair<QStringList, QStringList>> zones;
        for (const Difference& d : connections)
            (d.after ? zones[d.zone].first : zones[d.zone].second) << source(d.source);
        QStringList clauses;
        for (const auto& [z, change] : zones) {
            const auto& [added, removed] = change;
            if (added.size() == 1 && removed.size() == 1) {
                clauses << ReportText::tr("%1 now plays %2").arg(zone(z), added[0]) +
                               was(removed[0]);
                continue;
            }
            QStringList parts;
            if (!added.isEmpty())
                parts << ReportText::tr("now plays %1").arg(listed(added));
            if (!removed.isEmpty())
                parts << ReportText::tr("no longer plays %1").arg(listed(removed));
            clauses << zone(z) + QLatin1Char(' ') + parts.join(ReportText::tr(" and "));
        }
        say(numberedName(ReportText::tr("Favorite"), f, m_b.favoriteName(f)) +
            QStringLiteral(": ") + clauses.join(QStringLiteral("; ")));
    }

    void groupMembers(int g, std::span<const Difference> members)
    {
        QStringList added, removed;
        for (const Difference& d : members)
            (d.after ? added : removed) << zone(d.zone);
        const QString title = numberedName(ReportText::tr("Group"), g, m_b.groupName(g));
        QStringList parts;
        if (!added.isEmpty())
            parts << ReportText::tr("now includes %1").arg(listed(added));
        if (!removed.isEmpty())
            parts << ReportText::tr("no longer includes %1").arg(listed(removed));
        say(title + QLatin1Char(' ') + parts.join(QStringLiteral("; ")));
    }

    const ConfigModel& m_a;
    const ConfigModel& m_b;
    QStringList m_out;
};

} // namespace

QStringList changeSentences(const model::ConfigModel& before, const model::ConfigModel& after)
{
    return Wording(before, after).run();
}

} // namespace zel::report
