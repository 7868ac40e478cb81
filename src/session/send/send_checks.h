#pragma once
// What decides whether a configuration may go to a unit: a read of the unit made just before,
// and the configuration itself, checked in one fixed order. Each finding is a question the
// window asks (or zeltool answers from its flags), or a refusal nothing answers.

#include "model/config_diff.h"
#include "model/config_model.h"
#include "session/unit/identity_check.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace zel::session::send {

// The checks, in the order they are made.
enum class Check {
    NotWholeEnough, // the configuration does not set all a whole one sets, or was cut short
    UncarriedTexts, // it holds texts a configuration line cannot carry
    ReadNotWhole,   // the read did not come whole: what the unit holds is not known
    ModelUnknown,   // the read names no zones or sources: the unit's model is not known
    OtherModel,     // the configuration is for another model than the unit's
    AnotherUnit,    // the unit does not look like the unit the configuration came from
    UnitChanged,    // the unit changed since the comparison the send was chosen from
};

struct Finding {
    Check check = Check::NotWholeEnough;
    // A refusal: nothing is sent, whatever the answer.
    bool refusal = false;
    // NotWholeEnough: the parts not set; UncarriedTexts: the texts, described.
    QStringList items;
    // NotWholeEnough: why the configuration was cut short (empty when it was not);
    // ReadNotWhole, ModelUnknown: why the unit's side is not known.
    QString reason;
    QString sentModel;                        // OtherModel
    QString unitModel;                        // OtherModel
    std::optional<IdentityMismatch> mismatch; // AnotherUnit
    std::vector<model::Difference> changes;   // UnitChanged: compared -> read now
};

// What is about to go to a unit.
struct Outgoing {
    model::ConfigModel configuration;
    // It may have been edited: only its size and names tell where it came from (see
    // identityMismatch()); false for a journal entry restored as it was.
    bool edited = true;
    // What a whole configuration sets that it does not, and why it was cut short when it was.
    std::vector<std::string> missingParts;
    QString cutReason;
    // The send is chosen from what the unit held (Send Selected, changes only): a read that is
    // not whole leaves nothing to send against and is refused.
    bool needsWholeRead = false;
    // Send Selected: the unit as the comparison read it; any change since is refused.
    std::optional<model::ConfigModel> compared;
};

// A read of the unit.
struct UnitRead {
    std::string text;                      // as it came, "\n" line ends
    QString incompleteReason;              // empty when the read came whole
    model::ConfigModel unit;               // the text read
    std::vector<std::string> missingParts; // what a whole configuration sets that it did not

    bool whole() const { return incompleteReason.isEmpty(); }
    static UnitRead of(const std::string& text, const QString& incompleteReason);
};

// The findings of sending `outgoing` to `unit` (the address as the journal names it) that has
// just been read as `read`, in the order of Check. The identity comes from the read alone;
// `directoryPath` names the unit directory that gives known units their names.
std::vector<Finding> findings(const Outgoing& outgoing, const UnitRead& read, const QString& unit,
                              const QString& directoryPath);

} // namespace zel::session::send
