#pragma once
// The window's side of live mode: the "Unit" menu ("Live", "Resend Not Applied", "Live Volume
// Limit..."), the live state line in the status bar, the questions live mode asks (another unit
// than the configuration's, which side wins, a large volume raise), and what it says when it
// ends. Going live is checked in one place (session::whyNotLive()); the unit is always read
// first, and one window at a time may be live on a unit, by its address and, once read, by what
// it is.

#include "session/live/live_identity_lock.h"
#include "session/live/live_session.h"
#include "session/live/live_unit_lock.h"
#include "session/live/settle_clock.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

class LinkController;
class LiveStatePanel;
class UserPrompts;

// What live mode needs of the window it belongs to.
struct LiveWindowSide {
    QWidget& window; // the menus' parent, named to a second window that asks for the unit
    session::ConfigurationSession& configuration;
    LinkController& link;
    std::function<UserPrompts&()> prompts; // as they are when asked: tests replace them
    // Whether a command's work with a unit has not ended.
    std::function<bool()> unitWorkPending;
    // Stores what the pages show into the model: what the pages show is what goes.
    std::function<void()> commitEdits;
    std::function<void(const QString&)> showStatus;
};

class LiveController : public QObject {
    Q_OBJECT
public:
    explicit LiveController(LiveWindowSide window);
    ~LiveController() override;

    // The "Unit" menu, for the menu bar.
    QMenu* menu() const { return m_menu; }
    QAction* liveAction() const { return m_liveAction; }
    QAction* resendAction() const { return m_resendAction; }
    QAction* volumeLimitAction() const { return m_limitAction; }
    LiveStatePanel* statePanel() const { return m_panel; }
    session::LiveSession& session() { return m_live; }
    bool isLive() const { return m_live.isLive(); }
    // The unit live mode holds, as the journal names it; empty when it is off.
    QString liveUnit() const { return isLive() ? m_liveUnit : QString(); }

    // The window is closing. While live, asks first; then false while live mode sends what is
    // pending and reads the unit back; the window is closed again once it has ended. A second
    // close cancels what is pending.
    bool allowClose();
    // The "Live" item follows the link, what is loaded and whether a transfer runs.
    void updateAction();

signals:
    // Live mode started or ended: the commands that would start a transfer follow.
    void liveChanged();

private:
    void onToggled(bool on);
    void goLive();
    void onUnitDiffers();
    void onAnotherUnit(bool atStart);
    // The window's title, as a second window is told it.
    QString holderName() const;
    void onStartFailed(const QString& why, bool turnedAway);
    void onEnded(const session::LiveEnd& end);
    void onLinkModeChanging();
    void askVolumeLimit();
    void askReadPeriod();

    LiveWindowSide m_window;
    session::TimerSettleClock m_clock;
    session::LiveSession m_live;
    session::LiveUnitLock m_unitLock;
    session::LiveIdentityLock m_identityLock;
    QMenu* m_menu;
    QAction* m_liveAction;
    QAction* m_resendAction;
    QAction* m_limitAction;
    QAction* m_readPeriodAction;
    LiveStatePanel* m_panel;
    QString m_liveUnit;            // the unit live mode went to, as journalUnit() names it
    session::LiveEnd m_lastEnd;    // how live mode ended last, told again when the journal fails
    QString m_liveHost;            // the telnet host as typed, for the messages
    bool m_closeWhenEnded = false; // the window is closed again once live mode has ended
    bool m_closing = false;        // inside allowClose()
};

} // namespace zel::ui
