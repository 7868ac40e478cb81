#pragma once
// One edit of the configuration as the Edit menu names it ("Zone 3 Volume") and as undo brings
// it back into view: the record it changed. Consecutive edits with the same merge key are one
// step (the moves of one slider drag, the letters typed into one name).

#include "model/config_diff.h"

#include <QString>

namespace zel::session {

struct EditStep {
    // How the edit came: on its own, as one move of a series (a slider moved by the keys or set
    // by a screen reader), or as one move of a slider being dragged. Live mode sends an edit on
    // its own at once and waits for the settle time after the moves of a series; a drop-down's
    // choice stepped through by keys (Choice) goes once it rests.
    enum class Pace { Single, Series, Drag, Choice };

    QString text;
    QString mergeKey; // empty: never merged
    model::DiffSubject subject = model::DiffSubject::Unit;
    int record = 0; // the zone, preset, favorite... the step changed; 0 for the unit
    Pace pace = Pace::Single;
    // The whole configuration was replaced (the unit's taken): no page is brought into view for
    // it, the one shown stays.
    bool wholeConfiguration = false;
};

} // namespace zel::session
