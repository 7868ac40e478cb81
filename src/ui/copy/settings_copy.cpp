#include "ui/copy/settings_copy.h"

#include "text/latin1_text.h"

#include "model/command_language.h"
#include "model/config_model.h"
#include "model/zone_settings_copy.h"
#include "ui/common/user_prompts.h"
#include "ui/copy/copy_parts_memory.h"

#include <QCoreApplication>

namespace zel::ui {

namespace {

QString zoneLabel(const model::ConfigModel& model, int zone)
{
    return QCoreApplication::translate("Copy", "Zone %1: %2")
        .arg(zone)
        .arg(text::fromLatin1(model.zoneName(zone)));
}

QString presetLabel(const model::ConfigModel& model, int preset)
{
    return QCoreApplication::translate("Copy", "Preset %1: %2")
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

// The numbers (from 1) of the `ticked` positions of `items` that may be chosen.
QList<int> numbersOf(const QList<int>& ticked, const QList<TickableItem>& items)
{
    QList<int> numbers;
    for (int position : ticked) {
        if (position >= 0 && position < items.size() && items.at(position).enabled &&
            !numbers.contains(position + 1))
            numbers << position + 1;
    }
    return numbers;
}

// Asks which of `items` to reach: the numbers of those ticked that may be chosen.
QList<int> chosenNumbers(UserPrompts& prompts, const QString& title, const QString& text,
                         const QList<TickableItem>& items)
{
    return numbersOf(prompts.chooseItems(title, text, items), items);
}

// The DSP mode's check box says which mode the zone is in and what it takes with it.
QString modeOption(const model::ZoneAudio& audio)
{
    static const char* const kTaken[] = {"", QT_TRANSLATE_NOOP("Copy", "its ten EQ bands"),
                                         QT_TRANSLATE_NOOP("Copy", "its ZEL EQ preset"),
                                         QT_TRANSLATE_NOOP("Copy", "bass and treble"),
                                         QT_TRANSLATE_NOOP("Copy", "its lowpass filter")};
    if (audio.eqMode < 0 || audio.eqMode >= static_cast<int>(model::kEqModeNames.size()))
        return QCoreApplication::translate("Copy", "&DSP Mode (none chosen)");
    const std::string_view mode = model::kEqModeNames.at(static_cast<size_t>(audio.eqMode));
    const QString name = QString::fromLatin1(mode.data(), static_cast<qsizetype>(mode.size()));
    const char* taken = kTaken[audio.eqMode];
    return *taken ? QCoreApplication::translate("Copy", "&DSP Mode: %1, with %2")
                        .arg(name, QCoreApplication::translate("Copy", taken))
                  : QCoreApplication::translate("Copy", "&DSP Mode: %1").arg(name);
}

} // namespace

std::optional<session::EditStep> copyZoneSettings(model::ConfigModel& model, int zone,
                                                  UserPrompts& prompts,
                                                  const CopyPartsMemory& memory,
                                                  QString* memoryError)
{
    if (!model.zoneAudio(zone).audioKnown) {
        prompts.showError(QCoreApplication::translate(
                              "Copy", "%1 has no audio settings to copy: none were read for it.")
                              .arg(zoneLabel(model, zone)));
        return std::nullopt;
    }
    const model::ZoneAudio from = model.zoneAudio(zone);
    const model::ZoneCopyParts offered = memory.load();
    const QList<TickableItem> options = {
        {QCoreApplication::translate("Copy", "&Volume"), true, offered.volume},
        {QCoreApplication::translate("Copy", "Volume &Lock"), true, offered.volumeLock},
        {QCoreApplication::translate("Copy", "&Balance"), true, offered.balance},
        {modeOption(from), true, offered.dspMode},
    };
    const QList<TickableItem> items = zoneItems(model, zone);
    const std::optional<TickChoice> choice = prompts.chooseItemsAndOptions(
        QCoreApplication::translate("Copy", "Copy Zone Settings"),
        QCoreApplication::translate("Copy", "Copy these settings of %1 to the zones ticked below:")
            .arg(zoneLabel(model, zone)),
        items, options);
    if (!choice || choice->options.size() != options.size())
        return std::nullopt;
    const model::ZoneCopyParts parts{choice->options.at(0), choice->options.at(1),
                                     choice->options.at(2), choice->options.at(3)};
    if (const QString error = memory.save(parts); memoryError)
        *memoryError = error;
    const QList<int> zones = numbersOf(choice->items, items);
    if (zones.isEmpty() || !parts.any())
        return std::nullopt;
    for (int target : zones)
        model::copyZoneSettings(from, model.zoneAudio(target), parts);
    return session::EditStep{QCoreApplication::translate("Copy", "Copy Zone %1 Settings").arg(zone),
                             {},
                             model::DiffSubject::ZoneAudio,
                             zones.first()};
}

std::optional<session::EditStep> copyPresetEqToZones(model::ConfigModel& model, int preset,
                                                     UserPrompts& prompts)
{
    const QList<int> zones = chosenNumbers(
        prompts, QCoreApplication::translate("Copy", "Copy Preset EQ to Zones"),
        QCoreApplication::translate("Copy", "Copy the ten EQ bands of %1 to the EQ of these zones:")
            .arg(presetLabel(model, preset)),
        zoneItems(model, 0));
    if (zones.isEmpty())
        return std::nullopt;
    for (int target : zones)
        model.zoneAudio(target).bands = model.preset(preset).bands;
    return session::EditStep{
        QCoreApplication::translate("Copy", "Copy Preset %1 EQ to Zones").arg(preset),
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
        prompts, QCoreApplication::translate("Copy", "Copy Zone EQ to Presets"),
        QCoreApplication::translate("Copy", "Copy the ten EQ bands of %1 to these presets:")
            .arg(zoneLabel(model, zone)),
        presets);
    if (chosen.isEmpty())
        return std::nullopt;
    for (int target : chosen)
        model.preset(target).bands = model.zoneAudio(zone).bands;
    return session::EditStep{
        QCoreApplication::translate("Copy", "Copy Zone %1 EQ to Presets").arg(zone),
        {},
        model::DiffSubject::Preset,
        chosen.first()};
}

} // namespace zel::ui
