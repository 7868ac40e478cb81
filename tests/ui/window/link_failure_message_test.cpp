// The message box text for each way a transfer can fail, per link mode and direction.
#include "link/qt_printing.h"

#include "ui/transfer/link_failure_message.h"

#include <gtest/gtest.h>

namespace zel::ui {
namespace {

using link::LinkMode;
using link::TransferOutcome;

TEST(LinkFailureMessage, SaysWhatFailedAndWhatToDo)
{
    const struct {
        LinkMode mode;
        TransferDirection direction;
        TransferOutcome outcome;
        QString expected;
        bool turnedAway = false;
    } cases[] = {
        {LinkMode::Telnet, TransferDirection::Fetch, TransferOutcome::LinkFailed,
         "The telnet link to host  unit 7  failed: E\n\nCheck the host name or address and that "
         "the unit is on the network, then try again."},
        {LinkMode::Telnet, TransferDirection::Export, TransferOutcome::ConnectionClosed,
         "The telnet link to host  unit 7  failed: E\n\nCheck the host name or address and that "
         "the unit is on the network, then try again."},
        {LinkMode::Serial, TransferDirection::Export, TransferOutcome::LinkFailed,
         "The serial link failed: E\n\nChoose \"Serial Mode\" to open the port again."},
        // The lost port tells it once itself.
        {LinkMode::Serial, TransferDirection::Fetch, TransferOutcome::ConnectionClosed, {}},
        {LinkMode::File, TransferDirection::Fetch, TransferOutcome::LinkFailed, "E"},
        {LinkMode::File, TransferDirection::Export, TransferOutcome::LinkFailed,
         "E\n\nThe file was left as it was. Choose another file or folder and export again."},
        {LinkMode::None, TransferDirection::Fetch, TransferOutcome::LinkFailed, {}},
        // Refused, or closed before a byte came: most likely another program's session.
        {LinkMode::Telnet, TransferDirection::Fetch, TransferOutcome::ConnectionClosed,
         "The unit at host  unit 7  refused the connection or closed it at once (E).\n\nAnother "
         "program may hold the unit's session: a unit, or a serial-to-network bridge, that "
         "serves one client at a time turns a second one away. Close the other program's "
         "connection to the unit, then try again.",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(linkFailureMessage(c.mode, c.direction, " unit 7 ", c.outcome, "E", c.turnedAway),
                  c.expected);
    }
}

} // namespace
} // namespace zel::ui
