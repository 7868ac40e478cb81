#include "session/configuration_session.h"

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
        const char* text; // nullptr: the ZEL-8 template
        std::string incompleteReason;
        Edit edit;
        std::string zoneName;
        bool exported;
        bool edited;
        Verdict overLink;
        bool uncarried;
        Verdict toFile = Verdict::Send;
    };
    const Case cases[] = {
        {"nothing read", "", "", Edit::None, "", false, false, Verdict::NothingToSend, false,
         Verdict::AskIfIncomplete},
        {"a template", nullptr, "", Edit::None, "", false, false, Verdict::Send, false},
        {"not read whole", nullptr, "timed out", Edit::None, "", false, false,
         Verdict::AskIfIncomplete, false},
        {"a fragment", "[NO1\"Hall\"]\n[NG3\"Up\"]", "", Edit::None, "", false, false,
         Verdict::AskIfIncomplete, false, Verdict::AskIfIncomplete},
        {"shown and stored back", nullptr, "", Edit::StoredBackOnRead, "Lobby", false, false,
         Verdict::Send, false},
        {"an edit", nullptr, "", Edit::InModel, "Lobby", false, true, Verdict::Send, false},
        {"an edit still on a page", nullptr, "", Edit::StillOnAPage, "Lobby", false, true,
         Verdict::Send, false},
        {"an edit exported", nullptr, "", Edit::InModel, "Lobby", true, false, Verdict::Send,
         false},
        {"a name a line cannot carry", nullptr, "", Edit::InModel, "A[B", false, true,
         Verdict::Send, true},
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

        session.readerRun(
            c.text ? std::string(c.text)
                   : model::joinLines(model::templateLines(model::UnitSize::Zel8), "\n"));
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
