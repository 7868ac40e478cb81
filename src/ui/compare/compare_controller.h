#pragma once
// "Compare with Unit" and "Send Selected": the unit's configuration (a file's in File Mode) is
// fetched into one of its own and compared with the one being edited, which stays as it is; the
// rows ticked in the dialog are then sent against what the unit holds now, each block made of
// the edited values of the ticked rows and the unit's own values of the rest, and the unit is
// fetched again to show what it holds after.

#include "model/config_diff.h"
#include "session/send/compared_unit.h"
#include "session/send/send_checks.h"

#include <QObject>

#include <functional>
#include <vector>

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

class LinkController;
class SendController;
class UnitComparison;
class UserPrompts;

// What the comparison with a unit needs of the window it belongs to.
struct CompareWindowSide {
    session::ConfigurationSession& configuration;
    LinkController& link;
    UnitComparison& comparison;
    SendController& sends;
    std::function<UserPrompts&()> prompts; // as they are when asked: tests replace them
    // A command's work with a unit has not ended, or live mode holds the unit.
    std::function<bool()> unitBusy;
    // Stores what the pages show into the model, then shows the names again.
    std::function<void()> commitEdits;
    // Stores what the pages show into the model only: what the pages hold is what is compared.
    std::function<void()> storeEdits;
    std::function<void(const QString&)> showStatus;
};

class CompareController : public QObject {
    Q_OBJECT
public:
    explicit CompareController(CompareWindowSide window, QObject* parent = nullptr);

public slots:
    // "Compare with Unit": commit and refresh, then the fetch.
    void compareWithUnit();
    // "Send Selected" in the Compare dialog: only the lines the `chosen` differences need go to
    // the unit compared with; then its configuration is fetched and compared again. Refused
    // when that comparison's fetch did not come whole, when the link reaches another unit now,
    // or when the edits changed since; the unit is always read again first, and when it
    // changed since, its new differences are shown and nothing is sent.
    void sendSelected(const std::vector<model::Difference>& chosen);

private:
    void onFetched(const QString& text, const QString& source, const QString& unit,
                   const QString& incompleteReason, bool cancelled);
    // The unit's configuration `text` came from `source`: kept as the comparison to send from.
    void keepCompared(const QString& text, const QString& source, const QString& incompleteReason);
    // Shows the last comparison with a unit in the dialog, `note` above it when not empty; after
    // a Send Selected (`afterSend`) a unit that now holds what is edited is taken as holding it.
    void showCompared(bool afterSend, const QString& note = {});
    // The read before a Send Selected stopped it: says why, with what differs now.
    void showSelectedStopped(const session::send::Finding& finding);

    CompareWindowSide m_window;
    // The last comparison, when it fetched from a unit.
    session::ComparedUnit m_compared;
    bool m_afterSend = false; // the running fetch shows what a Send Selected left on the unit
};

} // namespace zel::ui
