#pragma once
// The three sends a window makes of what it holds, turned into what the one send path takes:
// "Export" (the configuration being edited, whatever the unit holds), "Restore to Unit" (a
// journal entry as it was) and "Send Selected" (the checked rows of a comparison, each block
// made of the edited values of those rows and the unit's own values of the rest). What Send
// Selected must know before it reads the unit is checked here too, in its fixed order.

#include "journal/journal_entry.h"
#include "link/link_mode.h"
#include "model/config_diff.h"
#include "session/send/unit_send.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace zel::session {
class ComparedUnit;
class ConfigurationSession;
} // namespace zel::session

namespace zel::session::send {

// What goes, and how its lines are made from what the unit holds when it is read.
struct SendRequest {
    Outgoing outgoing;
    UnitSend::Compose compose;
};

// What is edited, ready to go over a link of `mode`: its missing parts and why it was cut short
// are put to the user when the session says it is not whole enough.
Outgoing editedOutgoing(const ConfigurationSession& edited, link::LinkMode mode);

// "Export": `lines` (the writer's text of what is edited now) go whatever the unit holds.
SendRequest exportRequest(const ConfigurationSession& edited, link::LinkMode mode,
                          std::vector<std::string> lines);

// "Restore to Unit": `text` (the entry's, "\n" line ends) read as an import reads it, and sent
// whole, network included, compared with the unit the read finds. Nothing when it sets nothing.
std::optional<SendRequest> restoreRequest(const journal::Entry& entry, const std::string& text);
// The same for a configuration kept elsewhere (a site's history): `cutReason` says how a fetch
// that did not come whole ended, empty when it came whole.
std::optional<SendRequest> restoreRequest(const std::string& text, const QString& cutReason);

// Why the checked rows of a comparison cannot be sent, before the unit is read again.
enum class SelectedRefusal {
    None,
    UnitNotKnown,   // the comparison's fetch did not come whole: `reason` says why
    LinkChanged,    // the link reaches another unit than the one compared with
    NothingChecked, // no checked row can be sent on its own
    NothingToSend,  // what is edited holds nothing that was read
};
struct SelectedCheck {
    SelectedRefusal refusal = SelectedRefusal::None;
    QString reason;
};
SelectedCheck checkSelected(const ComparedUnit& compared, const QString& linkUnit,
                            const std::vector<model::Difference>& chosen,
                            const ConfigurationSession& edited, link::LinkMode mode);

// "Send Selected": the unit is read again, always; any change since `compared` is refused, and
// the unchecked rows of each block take the values the read found. Composes nothing when no
// line but the end would go.
SendRequest selectedRequest(const ConfigurationSession& edited, link::LinkMode mode,
                            const ComparedUnit& compared,
                            const std::vector<model::Difference>& chosen);

} // namespace zel::session::send
