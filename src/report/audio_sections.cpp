// Each zone's audio settings and the device EQ presets.

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/command_language.h"
#include "model/config_model.h"
#include "report/report_texts.h"

namespace zel::report {

namespace {

// The ten levels under a curve, lowest band first.
QString bandLevels(const BandLevels& bands)
{
    QStringList levels;
    for (int8_t level : bands)
        levels << signedLevel(level);
    return QStringLiteral("<span class=\"bands\">%1</span>")
        .arg(ReportText::tr("%1 dB").arg(levels.join(QStringLiteral(" "))));
}

QString curveCell(ReportWriter& out, const BandLevels& bands)
{
    return out.curve(bands) + QStringLiteral("<br>") + bandLevels(bands);
}

// What the zone's EQ mode uses. The preset is the one the window's "ZEL EQ Preset" box shows
// for the stored number, which counts the presets from 0.
QString modeSettings(ReportWriter& out, const model::ConfigModel& configuration,
                     const model::ZoneAudio& audio)
{
    switch (audio.eqMode) {
    case model::kEqModeZq:
        return curveCell(out, audio.bands);
    case model::kEqModePreset: {
        const int preset = audio.systemEqPreset + 1;
        if (!model::ConfigModel::isPreset(preset))
            return ReportText::tr("no such preset (%1)").arg(audio.systemEqPreset);
        return ReportText::tr("Preset %1: %2")
            .arg(QString::number(preset), nameCell(configuration.preset(preset).name));
    }
    case model::kEqModeTone: // held with the sign reversed
        return ReportText::tr("Bass %1 dB, treble %2 dB")
            .arg(signedLevel(-audio.bass), signedLevel(-audio.treble));
    case model::kEqModeLowpass:
        return audio.lowpass >= 0 ? ReportText::tr("Lowpass %1 Hz").arg(audio.lowpass)
                                  : ReportText::tr("Lowpass not set");
    default:
        return QString();
    }
}

} // namespace

void writeZoneAudio(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(ReportText::tr("Zone audio"));
    const int zones = configuration.zoneCount();
    if (zones <= 0) {
        out.paragraph(ReportText::tr("No zones."));
        return;
    }
    out.beginTable({ReportText::tr("Zone"), ReportText::tr("Volume"), ReportText::tr("Balance"),
                    ReportText::tr("EQ mode"), ReportText::tr("EQ")},
                   QStringLiteral("audio"));
    for (int z = 1; z <= zones; ++z) {
        const model::ZoneAudio& audio = configuration.zoneAudio(z);
        const QString zone = numberedCell(z, configuration.zoneName(z));
        if (!audio.audioKnown) { // nothing of it is sent to the unit
            out.row({zone, QString(), QString(), QString(),
                     QStringLiteral("<span class=\"none\">%1</span>")
                         .arg(ReportText::tr("no audio settings"))});
            continue;
        }
        out.row({zone,
                 audio.volumeLocked ? ReportText::tr("locked")
                                    : ReportText::tr("%1 dB").arg(audio.volume),
                 balanceText(audio.balance), eqModeText(audio.eqMode),
                 modeSettings(out, configuration, audio)});
    }
    out.endTable();
}

void writePresets(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(ReportText::tr("ZEL EQ presets"));
    // Two presets a row: a curve needs little width.
    out.beginTable({ReportText::tr("Preset"), ReportText::tr("EQ"), ReportText::tr("Preset"),
                    ReportText::tr("EQ")},
                   QStringLiteral("presets"));
    for (int p = 1; p <= model::kPresets; p += 2) {
        QStringList cells;
        for (int q = p; q <= p + 1 && q <= model::kPresets; ++q) {
            const model::DevicePreset& preset = configuration.preset(q);
            cells << numberedCell(q, preset.name) << curveCell(out, preset.bands);
        }
        out.row(cells);
    }
    out.endTable();
}

} // namespace zel::report
