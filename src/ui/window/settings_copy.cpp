#include "ui/window/settings_copy.h"

#include "text/latin1_text.h"

#include "model/config_model.h"
#include "model/zone_settings_copy.h"
#include "ui/common/user_prompts.h"

namespace zel::ui {

namespace {

QString zoneLabel(const model::ConfigModel& model, int zone)
{
    return QStringLiteral("Zone %1: %2").arg(zone).arg(text::fromLatin1(model.zoneName(zone)));
}

QString presetLabel(const model::ConfigModel& model, int preset)
{
    return QStringLiteral("Preset %1: %2")
        .arg(preset)
        .arg(text::fromLatin1(model.preset(preset).name));
}

// The zones of the configuration; a zone whose audio settings were never read is no target,
// since none of them would reach the unit.
QList<TickableItem> zoneItems(const model::ConfigModel& model, int except)
{
    QList<TickableItem> items;
    for (int zone = 1; zone <= model.zoneCount(); ++zone)
        items.append({zoneLabel(model, zone), zone != except && model.zoneAudio(zone).audioKnown});
    return items;
}

// Asks which of `items` to reach: the numbers (from 1) of those ticked that may be chosen.
QList<int> chosenNumbers(UserPrompts& prompts, const QString& title, const QString& text,
                         const QList<TickableItem>& items)
{
    QList<int> numbers;
    for (int position : prompts.chooseItems(title, text, items)) {
        if (position >= 0 && position < items.size() && items.at(position).enabled &&
            !numbers.contains(position + 1))
            numbers << position + 1;
    }
    return numbers;
}

} // namespace

std::optional<session::EditStep> copyZoneSettings(model::ConfigModel& model, int zone,
                                                  UserPrompts& prompts)
{
    if (!model.zoneAudio(zone).audioKnown) {
        prompts.showError(QStringLiteral("%1 has no audio settings to copy: none were read for it.")
                              .arg(zoneLabel(model, zone)));
        return std::nullopt;
    }
    const QList<int> zones = chosenNumbers(
        prompts, QStringLiteral("Copy Zone Settings"),
        QStringLiteral("Copy the volume, volume lock, balance, DSP mode and the settings of that "
                       "mode of %1 to these zones:")
            .arg(zoneLabel(model, zone)),
        zoneItems(model, zone));
    if (zones.isEmpty())
        return std::nullopt;
    const model::ZoneAudio from = model.zoneAudio(zone);
    for (int target : zones)
        model::copyZoneSettings(from, model.zoneAudio(target));
    return session::EditStep{QStringLiteral("Copy Zone %1 Settings").arg(zone),
                             {},
                             model::DiffSubject::ZoneAudio,
                             zones.first()};
}

std::optional<session::EditStep> copyPresetEqToZones(model::ConfigModel& model, int preset,
                                                     UserPrompts& prompts)
{
    const QList<int> zones =
        chosenNumbers(prompts, QStringLiteral("Copy Preset EQ to Zones"),
                      QStringLiteral("Copy the ten EQ bands of %1 to the EQ of these zones:")
                          .arg(presetLabel(model, preset)),
                      zoneItems(model, 0));
    if (zones.isEmpty())
        return std::nullopt;
    for (int target : zones)
        model.zoneAudio(target).bands = model.preset(preset).bands;
    return session::EditStep{QStringLiteral("Copy Preset %1 EQ to Zones").arg(preset),
                             {},
                             model::DiffSubject::ZoneAudio,
                             zones.first()};
}

std::optional<session::EditStep> copyZoneEqToPresets(model::ConfigModel& model, int zone,
                                                     UserPrompts& prompts)
{
    QList<TickableItem> presets;
    for (int preset = 1; preset <= model::kPresets; ++preset)
        presets.append({presetLabel(model, preset), true});
    const QList<int> chosen = chosenNumbers(
        prompts, QStringLiteral("Copy Zone EQ to Presets"),
        QStringLiteral("Copy the ten EQ bands of %1 to these presets:").arg(zoneLabel(model, zone)),
        presets);
    if (chosen.isEmpty())
        return std::nullopt;
    for (int target : chosen)
        model.preset(target).bands = model.zoneAudio(zone).bands;
    return session::EditStep{QStringLiteral("Copy Zone %1 EQ to Presets").arg(zone),
                             {},
                             model::DiffSubject::Preset,
                             chosen.first()};
}

} // namespace zel::ui
