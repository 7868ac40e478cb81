// The check before a send: does the unit at the address, as just read, look like the unit the
// configuration came from?
#include "session/unit/identity_check.h"

#include "link/qt_printing.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/templates.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace zel::session {
namespace {

const QString kUnit = QStringLiteral("tcp:127.0.0.1:2323");

// A ZEL-16 of its own names on a fixed address.
model::ConfigModel barUnit()
{
    model::ConfigModel bar;
    model::resetModel(bar);
    for (int n = 1; n <= 16; ++n) {
        bar.raiseZoneCount(n);
        bar.raiseSourceCount(n);
        bar.setZoneName(n, "Bar zone " + std::to_string(n));
        bar.setSourceName(n, "Bar source " + std::to_string(n));
    }
    bar.network() = {false, "192.0.2.10", "255.255.255.0", "192.0.2.1"};
    return bar;
}

TEST(IdentityCheck, AsksOnlyWhenTheUnitReadThereLooksLikeAnother)
{
    using Change = std::function<void(model::ConfigModel&)>;
    struct Case {
        const char* what;
        Change there;   // the unit at the address as just read, from Bar
        Change sending; // the configuration sent, from Bar
        bool edited;
        bool asks;
    };
    const Change same = [](model::ConfigModel&) {};
    const Change otherNames = [](model::ConfigModel& m) {
        for (int n = 1; n <= 16; ++n)
            m.setZoneName(n, "Lobby zone " + std::to_string(n));
    };
    const Change otherAddress = [](model::ConfigModel& m) { m.network().ipAddress = "192.0.2.11"; };
    const Change blank = [](model::ConfigModel& m) {
        model::LogLines log;
        for (const std::string& line : model::templateLines(model::UnitSize::Zel16))
            model::readLine(m, line, log);
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"its own configuration, edited", same, [](model::ConfigModel& m) { m.setZoneName(1, "Hall"); }, true, false},
        {"renumbered by the edit", same, otherAddress, true, false},
        {"another unit's names", otherNames, same, true, true},
        {"a unit never set up", blank, same, true, false},
        {"restored to a sister unit of the same names", otherAddress, same, false, true},
        {"restored to itself", same, same, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir data;
        model::ConfigModel there = barUnit(), sending = barUnit();
        c.there(there);
        c.sending(sending);
        const std::optional<IdentityMismatch> mismatch = identityMismatchWithRead(
            sending, c.edited, kUnit, fingerprintOf(there), data.filePath("units.json"));
        ASSERT_EQ(mismatch.has_value(), c.asks);
        if (mismatch) {
            EXPECT_TRUE(identityQuestion(*mismatch).contains(describeUnit(fingerprintOf(sending))));
            EXPECT_TRUE(mismatch->atAddress.startsWith(describeUnit(fingerprintOf(there))));
        }
        // A read that told nothing: nothing is asked.
        EXPECT_FALSE(identityMismatchWithRead(sending, c.edited, kUnit, UnitFingerprint(),
                                              data.filePath("units.json")));
    }
}

} // namespace
} // namespace zel::session
