#include "session/configuration/model_snapshot_command.h"

namespace zel::session {

namespace {
constexpr int kMergingEdit = 1; // every command that may merge; the merge key decides
} // namespace

ModelSnapshotCommand::ModelSnapshotCommand(ModelSnapshot before, ModelSnapshot after, EditStep step,
                                           Restore restore)
    : QUndoCommand(step.text), m_before(std::move(before)), m_after(std::move(after)),
      m_step(std::move(step)), m_restore(std::move(restore))
{
}

void ModelSnapshotCommand::undo()
{
    m_restore(m_before, m_step);
}

void ModelSnapshotCommand::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    m_restore(m_after, m_step);
}

int ModelSnapshotCommand::id() const
{
    return m_step.mergeKey.isEmpty() ? -1 : kMergingEdit;
}

bool ModelSnapshotCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const ModelSnapshotCommand*>(other);
    if (next->m_step.mergeKey != m_step.mergeKey)
        return false;
    m_after = next->m_after;
    setObsolete(*m_after == *m_before); // dragged back to where it began
    return true;
}

} // namespace zel::session
