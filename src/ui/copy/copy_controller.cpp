#include "ui/copy/copy_controller.h"

#include "session/configuration/configuration_session.h"
#include "ui/copy/copy_parts_memory.h"
#include "ui/copy/settings_copy.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"

#include <QAction>
#include <QPushButton>

#include <utility>

namespace zel::ui {

CopyController::CopyController(CopyWindowSide window, QAction* copyZoneSettings,
                               QAction* copyPresetEq, QAction* copyZoneEq, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
    connect(copyZoneSettings, &QAction::triggered, this, &CopyController::copyZoneSettings);
    connect(copyPresetEq, &QAction::triggered, this, &CopyController::copyPresetEq);
    connect(copyZoneEq, &QAction::triggered, this, &CopyController::copyZoneEq);
    connect(m_window.zonePage.copyButton(), &QPushButton::clicked, copyZoneSettings,
            &QAction::trigger);
    connect(m_window.presetsPage.copyButton(), &QPushButton::clicked, copyPresetEq,
            &QAction::trigger);
}

void CopyController::copyZoneSettings()
{
    QString memoryError;
    const auto copy = [&memoryError](model::ConfigModel& model, int zone, UserPrompts& prompts) {
        return ui::copyZoneSettings(model, zone, prompts, CopyPartsMemory(), &memoryError);
    };
    copySettings(copy, m_window.zonePage.currentZone());
    if (!memoryError.isEmpty())
        m_window.showStatus(
            tr(" The settings chosen to copy could not be kept for the next copy: %1")
                .arg(memoryError));
}

void CopyController::copyPresetEq()
{
    copySettings(copyPresetEqToZones, m_window.presetsPage.currentPreset());
}

void CopyController::copyZoneEq()
{
    copySettings(copyZoneEqToPresets, m_window.zonePage.currentZone());
}

template <typename Copy> void CopyController::copySettings(Copy copy, int from)
{
    session::ConfigurationSession& configuration = m_window.configuration;
    if (!configuration.loaded().isLoaded())
        return;
    m_window.storeEdits();
    if (const std::optional<session::EditStep> step =
            copy(configuration.model(), from, m_window.prompts())) {
        m_window.reshowModel();
        configuration.recordEdit(*step);
    }
}

} // namespace zel::ui
