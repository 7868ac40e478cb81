#include "ui/compare/unit_identity_question.h"

#include "session/unit/identity_check.h"
#include "ui/common/user_prompts.h"

namespace zel::ui {

bool confirmSameUnit(UserPrompts& prompts, const model::ConfigModel& configuration, bool edited,
                     const QString& unit, const std::optional<session::UnitFingerprint>& atAddress)
{
    const std::optional<session::IdentityMismatch> mismatch =
        session::identityMismatch(configuration, edited, unit, atAddress);
    return !mismatch || prompts.confirm(session::identityQuestion(*mismatch));
}

} // namespace zel::ui
