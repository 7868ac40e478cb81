#pragma once
// The "Edit" menu's copies of settings: one zone's settings onto other zones, a preset's EQ onto
// zones, a zone's EQ onto presets, each from the record its page shows, each one step of the
// undo history.

#include <QObject>

#include <functional>

class QAction;

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

class PresetsPage;
class UserPrompts;
class ZoneAudioPage;

// What the copies need of the window they belong to.
struct CopyWindowSide {
    session::ConfigurationSession& configuration;
    ZoneAudioPage& zonePage;
    PresetsPage& presetsPage;
    std::function<UserPrompts&()> prompts; // as they are when asked: tests replace them
    // Stores what the pages show into the model.
    std::function<void()> storeEdits;
    // Every page shows the model again: a copy changed it behind their backs.
    std::function<void()> reshowModel;
    std::function<void(const QString&)> showStatus;
};

class CopyController : public QObject {
    Q_OBJECT
public:
    // The three items run the copies; the pages' "Copy" buttons run the first two.
    CopyController(CopyWindowSide window, QAction* copyZoneSettings, QAction* copyPresetEq,
                   QAction* copyZoneEq, QObject* parent = nullptr);

    void copyZoneSettings();
    void copyPresetEq();
    void copyZoneEq();

private:
    // What every copy shares: the model as the pages show it, the copy, the step recorded.
    template <typename Copy> void copySettings(Copy copy, int from);

    CopyWindowSide m_window;
};

} // namespace zel::ui
