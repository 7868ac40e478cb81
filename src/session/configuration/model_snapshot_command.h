#pragma once
// One step of the Edit menu's history: the whole model before and after an edit. Undo and redo
// put one of the two back through the session, which has the pages show it again. The moves of
// one drag (steps with the same merge key) are one command; one that ends where it began is
// dropped.

#include "model/config_model.h"
#include "session/configuration/edit_step.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

namespace zel::session {

using ModelSnapshot = std::shared_ptr<const model::ConfigModel>;

class ModelSnapshotCommand : public QUndoCommand {
public:
    // Puts a snapshot into the model and shows it; `step` says what changed.
    using Restore = std::function<void(const ModelSnapshot&, const EditStep&)>;

    // The edit is in the model already: the first redo(), which QUndoStack::push() runs, does
    // nothing.
    ModelSnapshotCommand(ModelSnapshot before, ModelSnapshot after, EditStep step, Restore restore);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    ModelSnapshot m_before;
    ModelSnapshot m_after;
    EditStep m_step;
    Restore m_restore;
    bool m_done = true;
};

} // namespace zel::session
