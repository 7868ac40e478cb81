#pragma once
// One edit of the configuration as the Edit menu names it ("Zone 3 Volume") and as undo brings
// it back into view: the record it changed. Consecutive edits with the same merge key are one
// step (the moves of one slider drag, the letters typed into one name).

#include "model/config_diff.h"

#include <QString>

namespace zel::session {

struct EditStep {
    QString text;
    QString mergeKey; // empty: never merged
    model::DiffSubject subject = model::DiffSubject::Unit;
    int record = 0; // the zone, preset, favorite... the step changed; 0 for the unit
};

} // namespace zel::session
