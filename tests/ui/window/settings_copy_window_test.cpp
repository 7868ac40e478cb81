// Copy Zone Settings takes only the settings ticked and offers that choice again, also next run.
#include "scripted_prompts.h"

#include "model/config_model.h"
#include "ui/copy/copy_parts_memory.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

QList<bool> states(const model::ZoneCopyParts& parts)
{
    return {parts.volume, parts.volumeLock, parts.balance, parts.dspMode};
}

TEST(SettingsCopyWindow, TakesTheChosenSettingsAndOffersTheChoiceAgainInTheNextRun)
{
    QFile::remove(CopyPartsMemory().path()); // what another test chose
    MainWindow window;
    auto scripted = std::make_unique<test::ScriptedPrompts>();
    test::ScriptedPrompts& prompts = *scripted;
    prompts.confirmAnswer = true;
    window.setPrompts(std::move(scripted));
    model::ConfigModel& m = window.model();
    // Zone 4 retuned; zones 5 to 8 each with a volume and balance of their own.
    const model::ZoneAudio retuned{true, {3, 2, 1}, 0, 0, -14, 6, model::kEqModeZq, 0, 100, false};
    // clang-format off
    const std::tuple<const char*, QList<bool>, bool, bool, bool> cases[] = {
        // the volume, lock, balance, DSP mode ticked; zones 5-8 take volume, balance, EQ
        {"the EQ alone, volumes untouched", {false, false, false, true}, false, false, true},
        {"volume and balance, not the EQ", {true, true, true, false}, true, true, false},
        {"everything", {true, true, true, true}, true, true, true},
        {"the balance alone", {false, false, true, false}, false, true, false},
        {"nothing: no copy, no step", {false, false, false, false}, false, false, false},
    };
    // clang-format on
    QList<bool> offeredBefore = {true, true, true, true}; // nothing chosen yet: everything
    for (const auto& [what, chosen, volumes, balances, eq] : cases) {
        SCOPED_TRACE(what);
        window.newTemplate(model::UnitSize::Zel8);
        m.zoneAudio(4) = retuned;
        for (int zone = 5; zone <= 8; ++zone) {
            m.zoneAudio(zone).volume = static_cast<int8_t>(-20 - zone);
            m.zoneAudio(zone).balance = static_cast<int8_t>(-zone);
        }
        window.pageSet().reshowModel();
        window.pageSet().zoneAudioPage()->showRecord(model::DiffSubject::ZoneAudio, 4);
        prompts.tickAnswer = {4, 5, 6, 7};
        prompts.optionAnswer = chosen;
        window.copyZoneSettingsAction()->trigger();
        EXPECT_EQ(prompts.optionOffers.value(prompts.optionOffers.size() - 1), offeredBefore)
            << "the last choice is offered";
        for (int zone = 5; zone <= 8; ++zone) {
            const model::ZoneAudio& to = m.zoneAudio(zone);
            EXPECT_EQ(std::tuple(to.volume, to.balance, to.bands == retuned.bands),
                      std::tuple(volumes ? retuned.volume : -20 - zone,
                                 balances ? retuned.balance : -zone, eq))
                << zone;
        }
        EXPECT_EQ(window.undoAction()->isEnabled(), chosen.contains(true));
        EXPECT_EQ(states(CopyPartsMemory().load()), chosen) << "as the next run reads it";
        offeredBefore = chosen;
    }
    QFile::remove(CopyPartsMemory().path());

    // A kept choice that cannot be read offers everything; a choice that cannot be kept says why.
    const QTemporaryDir folder;
    const std::tuple<const char*, QByteArray, QList<bool>> files[] = {
        {"kept", "volume=0\nvolumeLock=1\nbalance=0\ndspMode=1\n", {false, true, false, true}},
        {"a line missing or unreadable", "volume=x\nbalance=0\n", {true, true, false, true}},
        {"not a choice at all", QByteArray(10000, 'v'), {true, true, true, true}},
    };
    for (const auto& [what, text, read] : files) {
        QFile file(folder.filePath(what));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        EXPECT_EQ(states(CopyPartsMemory(file.fileName()).load()), read) << what;
    }
    EXPECT_EQ(CopyPartsMemory(folder.filePath("none")).load(), model::ZoneCopyParts());
    ASSERT_TRUE(QDir().mkpath(folder.filePath("blocked"))); // a folder where the file should be
    EXPECT_FALSE(CopyPartsMemory(folder.filePath("blocked")).save({}).isEmpty());
}

} // namespace
} // namespace zel::ui
