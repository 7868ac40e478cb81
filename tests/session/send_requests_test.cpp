// The window's three sends made ready for the send path without a window: what Send Selected
// refuses before it reads the unit, in its order; what a restored journal entry carries; and the
// lines the checked rows become against what the unit holds when it is read.
#include "session/send/send_requests.h"

#include "link/filled_configuration.h"
#include "model/config_writer.h"
#include "session/configuration/configuration_session.h"
#include "session/send/compared_unit.h"
#include "text/latin1_text.h"

#include <gtest/gtest.h>

namespace zel::session::send {
namespace {

const QString kUnit = QStringLiteral("tcp:127.0.0.1:2323");

std::string writerText(const model::ConfigModel& configuration)
{
    return model::joinLines(model::writeConfiguration(configuration), "\n");
}

TEST(SendRequests, SelectedRowsAreRefusedBeforeTheReadInTheirOrder)
{
    const model::ConfigModel filled = test::filledZel16();
    model::ConfigModel renamed = filled;
    renamed.setZoneName(1, "Hall");
    const std::vector<model::Difference> row = model::compareConfigurations(filled, renamed);
    struct Case {
        const char* what;
        std::string comparedText; // what the comparison fetched
        QString cutShort;         // why that fetch did not come whole
        QString linkUnit;         // the unit the link reaches now
        std::vector<model::Difference> chosen;
        bool editedHoldsNothing; // what is edited was read from a text that set nothing
        SelectedRefusal refusal;
        QString reasonStart;
    };
    const std::string whole = writerText(filled);
    const std::string fragment = "[NO1\"Hall\"]";
    const Case cases[] = {
        {"a row of the unit compared", whole, {}, kUnit, row, false, SelectedRefusal::None, {}},
        {"the fetch was cut short", whole, "timed out", kUnit, row, false,
         SelectedRefusal::UnitNotKnown, "timed out"},
        {"cut short, on another link and nothing chosen: the fetch first",
         whole,
         "timed out",
         "tcp:127.0.0.2:23",
         {},
         true,
         SelectedRefusal::UnitNotKnown,
         "timed out"},
        {"the fetch set only a name",
         fragment,
         {},
         kUnit,
         row,
         false,
         SelectedRefusal::UnitNotKnown,
         "it did not set "},
        {"the link reaches another unit",
         whole,
         {},
         "tcp:127.0.0.2:23",
         row,
         false,
         SelectedRefusal::LinkChanged,
         {}},
        {"no row checked", whole, {}, kUnit, {}, true, SelectedRefusal::NothingChecked, {}},
        {"nothing read is edited", whole, {}, kUnit, row, true, SelectedRefusal::NothingToSend, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigurationSession edited;
        edited.reset();
        edited.readerRun(c.editedHoldsNothing ? std::string() : writerText(renamed));
        ComparedUnit compared;
        compared.compared(kUnit, "host: 127.0.0.1:2323", c.comparedText, c.cutShort,
                          writerText(edited.model()));
        const SelectedCheck check =
            checkSelected(compared, c.linkUnit, c.chosen, edited, link::LinkMode::Telnet);
        EXPECT_EQ(check.refusal, c.refusal);
        EXPECT_TRUE(check.reason.startsWith(c.reasonStart)) << check.reason.toStdString();
        EXPECT_EQ(check.reason.isEmpty(), c.reasonStart.isEmpty());
    }
}

TEST(SendRequests, SelectedRowsGoAsChosenAgainstTheUnitAsReadNow)
{
    const model::ConfigModel filled = test::filledZel16();
    model::ConfigModel renamed = filled;
    renamed.setZoneName(1, "Hall");
    ConfigurationSession edited;
    edited.reset();
    edited.readerRun(writerText(renamed));
    ComparedUnit compared;
    compared.compared(kUnit, "host: H", writerText(filled), {}, writerText(renamed));
    const std::vector<model::Difference> row = model::compareConfigurations(filled, renamed);

    const SendRequest request = selectedRequest(edited, link::LinkMode::Telnet, compared, row);
    const SendRequest none = selectedRequest(edited, link::LinkMode::Telnet, compared, {});
    edited.model().setZoneName(1, "Lobby"); // after the choice: not what was chosen
    EXPECT_TRUE(request.outgoing.needsWholeRead) << "chosen from what the unit held";
    ASSERT_TRUE(request.outgoing.compared.has_value());
    EXPECT_EQ(request.outgoing.compared->zoneName(1), filled.zoneName(1));
    EXPECT_EQ(request.outgoing.configuration.zoneName(1), "Hall");
    // The unit as read now: the chosen row's block with the unit's own values of the rest.
    const std::vector<std::string> expected = {"[NO1\"Hall\"]", "[EC]"};
    EXPECT_EQ(request.compose(filled), expected);
    EXPECT_TRUE(none.compose(filled).empty()) << "the end line alone is nothing to send";
}

TEST(SendRequests, ARestoredEntryGoesAsItWasWithWhatItLacksAsked)
{
    const std::string whole = writerText(test::filledZel16());
    struct Case {
        const char* what;
        journal::Direction direction;
        bool whole;
        QString ending;
        std::string text;
        bool sendable;
        QString cutReason;
        bool missingParts;
    };
    const Case cases[] = {
        {"a whole fetch", journal::Direction::FromUnit, true, {}, whole, true, {}, false},
        {"a fetch cut short", journal::Direction::FromUnit, false, "timed out at line 40", whole,
         true, "timed out at line 40", false},
        {"a send that stopped is whole as far as it goes",
         journal::Direction::ToUnit,
         false,
         "stopped at line 3",
         whole,
         true,
         {},
         false},
        {"a fetch that set only a name",
         journal::Direction::FromUnit,
         true,
         {},
         "[NO1\"Hall\"]",
         true,
         {},
         true},
        {"a text that sets nothing",
         journal::Direction::FromUnit,
         true,
         {},
         "hello",
         false,
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        journal::Entry entry;
        entry.direction = c.direction;
        entry.whole = c.whole;
        entry.ending = c.ending;
        const std::optional<SendRequest> request = restoreRequest(entry, c.text);
        ASSERT_EQ(request.has_value(), c.sendable);
        if (!request)
            continue;
        const Outgoing& outgoing = request->outgoing;
        EXPECT_FALSE(outgoing.edited) << "an entry is compared whole, names and all";
        EXPECT_EQ(outgoing.cutReason, c.cutReason);
        EXPECT_EQ(!outgoing.missingParts.empty(), c.missingParts);
        // The entry's own lines, whatever the unit holds.
        EXPECT_EQ(request->compose(test::blankZel16()),
                  model::writeConfiguration(outgoing.configuration));
        EXPECT_EQ(outgoing.configuration.zoneName(1),
                  test::readConfiguration(text::fromLatin1(c.text)).zoneName(1));
    }
}

} // namespace
} // namespace zel::session::send
