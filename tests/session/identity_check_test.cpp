// The check before a send: does the unit at the address look like the unit the configuration
// came from, by the journal's last whole fetch from it or a fetch just made?
#include "session/unit/identity_check.h"

#include "journal/journal.h"
#include "link/qt_printing.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
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

// Keeps `configuration` in the journal as a whole fetch from kUnit.
QString keepFetched(journal::Journal& journal, const model::ConfigModel& configuration)
{
    journal::Entry entry;
    journal::setKind(entry, journal::Kind::WholeFetch);
    entry.unit = kUnit;
    return journal.record(entry, QByteArray::fromStdString(model::joinLines(
                                     model::writeConfiguration(configuration), "\r\n")));
}

TEST(IdentityCheck, AsksOnlyWhenTheUnitThereLooksLikeAnother)
{
    using Change = std::function<void(model::ConfigModel&)>;
    struct Case {
        const char* what;
        Change there;   // the unit at the address, from Bar
        Change sending; // the configuration sent, from Bar
        bool edited;
        bool fetchedNow; // the unit there was just fetched, not known from the journal
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
        {"its own configuration, edited", same, [](model::ConfigModel& m) { m.setZoneName(1, "Hall"); }, true, false, false},
        {"renumbered by the edit", same, otherAddress, true, false, false},
        {"another unit's names", otherNames, same, true, false, true},
        {"another unit, just fetched", same, same, true, true, false},
        {"a unit never set up", blank, same, true, false, false},
        {"restored to a sister unit of the same names", otherAddress, same, false, false, true},
        {"restored to itself", same, same, false, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir data;
        journal::Journal journal(data.filePath("journal"));
        model::ConfigModel there = barUnit(), sending = barUnit();
        c.there(there);
        c.sending(sending);
        std::optional<UnitFingerprint> fetched;
        if (c.fetchedNow) { // the journal says otherwise, but a fetch just made wins
            model::ConfigModel old = barUnit();
            otherNames(old);
            ASSERT_EQ(keepFetched(journal, old), QString());
            fetched = fingerprintOf(there);
        } else {
            ASSERT_EQ(keepFetched(journal, there), QString());
        }
        const std::optional<IdentityMismatch> mismatch = identityMismatch(
            sending, c.edited, kUnit, fetched, journal, data.filePath("units.json"));
        ASSERT_EQ(mismatch.has_value(), c.asks);
        if (mismatch) {
            EXPECT_TRUE(identityQuestion(*mismatch).contains(describeUnit(fingerprintOf(sending))));
            EXPECT_TRUE(mismatch->atAddress.startsWith(describeUnit(fingerprintOf(there))));
        }
        // Nothing known of another address: nothing is asked.
        EXPECT_FALSE(identityMismatch(sending, c.edited, "tcp:127.0.0.2:23", std::nullopt, journal,
                                      data.filePath("units.json")));
    }
}

} // namespace
} // namespace zel::session
