#include "session/configuration/configuration_session.h"

#include "model/config_writer.h"
#include "model/templates.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

using Verdict = ConfigurationSession::ExportVerdict;

// Where an edit of zone 1's name stands when the session is asked.
enum class Edit { None, StoredBackOnRead, InModel, StillOnAPage };

// A configuration read, then edited or exported; whether it holds unsaved edits and whether it
// may go to a unit follow from that alone, without a window.
TEST(ConfigurationSession, ReadEditedAndExportedConfigurations)
{
    struct Case {
        const char* what;
        bool blankText;
        std::string incompleteReason;
        Edit edit;
        std::string zoneName;
        bool exported;
        bool edited;
        Verdict overLink;
        bool uncarried;
        Verdict toFile = Verdict::Send;
        const char* text = nullptr; // in place of the template or the blank text
    };
    const Case cases[] = {
        {"nothing read", true, "", Edit::None, "", false, false, Verdict::NothingToSend, false,
         Verdict::AskIfIncomplete},
        {"a fragment", false, "", Edit::None, "", false, false, Verdict::AskIfIncomplete, false,
         Verdict::AskIfIncomplete, "[NO1\"Hall\"]\n[NG3\"Up\"]"},
        {"a template", false, "", Edit::None, "", false, false, Verdict::Send, false},
        {"not read whole", false, "timed out", Edit::None, "", false, false,
         Verdict::AskIfIncomplete, false},
        {"shown and stored back", false, "", Edit::StoredBackOnRead, "Lobby", false, false,
         Verdict::Send, false},
        {"an edit", false, "", Edit::InModel, "Lobby", false, true, Verdict::Send, false},
        {"an edit still on a page", false, "", Edit::StillOnAPage, "Lobby", false, true,
         Verdict::Send, false},
        {"an edit exported", false, "", Edit::InModel, "Lobby", true, false, Verdict::Send, false},
        {"a name a line cannot carry", false, "", Edit::InModel, "A[B", false, true, Verdict::Send,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigurationSession session;
        session.reset();
        const auto editWhen = [&](Edit when) {
            return [&, when] {
                if (c.edit == when)
                    session.model().setZoneName(1, c.zoneName);
            };
        };
        QObject::connect(&session, &ConfigurationSession::configurationRead,
                         editWhen(Edit::StoredBackOnRead));
        QObject::connect(&session, &ConfigurationSession::pendingEditsWanted,
                         editWhen(Edit::StillOnAPage));
        EXPECT_FALSE(session.hasUnsavedEdits()) << "nothing loaded yet";

        const std::vector<std::string> text =
            c.blankText ? std::vector<std::string>{} : model::templateLines(model::UnitSize::Zel8);
        session.readerRun(c.text ? c.text : model::joinLines(text, "\n"));
        if (!c.incompleteReason.empty())
            session.markIncomplete(c.incompleteReason);
        editWhen(Edit::InModel)();
        if (c.exported) {
            session.exportLines();
            session.exportDelivered("host: unit");
        }

        EXPECT_EQ(session.hasUnsavedEdits(), c.edited);
        EXPECT_EQ(session.exportVerdict(link::LinkMode::Telnet), c.overLink);
        EXPECT_EQ(session.exportVerdict(link::LinkMode::Serial), c.overLink);
        EXPECT_EQ(session.exportVerdict(link::LinkMode::File), c.toFile);
        EXPECT_EQ(session.loaded().missingParts().empty(), c.toFile == Verdict::Send);
        EXPECT_EQ(session.loaded().exportedSinceLoadTo("host: unit"), c.exported);
        EXPECT_EQ(session.uncarriedTexts().isEmpty(), !c.uncarried);
    }
}

} // namespace
} // namespace zel::session
