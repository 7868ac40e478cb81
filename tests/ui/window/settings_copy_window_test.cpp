// Copy Zone Settings takes only the settings ticked, and offers the same choice again, in this
// run and the next.
#include "scripted_prompts.h"

#include "model/config_model.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/copy_parts_memory.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

TEST(SettingsCopyWindow, TakesTheChosenSettingsAndOffersTheChoiceAgain)
{
    const CopyPartsMemory memory;
    ASSERT_FALSE(memory.path().isEmpty());
    QFile::remove(memory.path()); // what another test chose
    MainWindow window;
    auto scripted = std::make_unique<test::ScriptedPrompts>();
    test::ScriptedPrompts& prompts = *scripted;
    prompts.confirmAnswer = true;
    window.setPrompts(std::move(scripted));
    model::ConfigModel& m = window.model();

    // Zone 4 retuned; zones 5 to 8 each with a volume and balance of their own.
    const model::ZoneAudio retuned{true, {3, 2, 1}, 0, 0, -14, 6, model::kEqModeZq, 0, 100, false};
    const auto prepare = [&] {
        window.newTemplate(model::UnitSize::Zel8);
        m.zoneAudio(4) = retuned;
        for (int zone = 5; zone <= 8; ++zone) {
            m.zoneAudio(zone).volume = static_cast<int8_t>(-20 - zone);
            m.zoneAudio(zone).balance = static_cast<int8_t>(-zone);
        }
        window.pageSet().reshowModel();
        window.pageSet().zoneAudioPage()->showRecord(model::DiffSubject::ZoneAudio, 4);
    };
    struct Case {
        const char* what;
        QList<bool> chosen; // volume, lock, balance, DSP mode
        bool volumes;       // zones 5-8 take zone 4's volume
        bool balances;
        bool eq;
    };
    const Case cases[] = {
        {"the EQ alone, volumes untouched", {false, false, false, true}, false, false, true},
        {"volume and balance, not the EQ", {true, true, true, false}, true, true, false},
        {"everything", {true, true, true, true}, true, true, true},
        {"the balance alone", {false, false, true, false}, false, true, false},
    };
    QList<bool> offeredBefore = {true, true, true, true}; // nothing chosen yet: everything
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare();
        prompts.tickAnswer = {4, 5, 6, 7};
        prompts.optionAnswer = c.chosen;
        window.copyZoneSettingsAction()->trigger();
        ASSERT_FALSE(prompts.optionOffers.isEmpty());
        QList<bool> offered;
        for (const TickableItem& option : prompts.optionOffers.constLast())
            offered << option.ticked;
        EXPECT_EQ(offered, offeredBefore) << "the last choice is offered";
        for (int zone = 5; zone <= 8; ++zone) {
            const model::ZoneAudio& to = m.zoneAudio(zone);
            EXPECT_EQ(to.volume, c.volumes ? retuned.volume : -20 - zone) << zone;
            EXPECT_EQ(to.balance, c.balances ? retuned.balance : -zone) << zone;
            EXPECT_EQ(to.bands == retuned.bands && to.eqMode == model::kEqModeZq, c.eq) << zone;
        }
        EXPECT_EQ(window.undoAction()->text(), QStringLiteral("&Undo Copy Zone 4 Settings"));
        const model::ZoneCopyParts kept = CopyPartsMemory().load(); // as the next run reads it
        EXPECT_EQ((QList<bool>{kept.volume, kept.volumeLock, kept.balance, kept.dspMode}),
                  c.chosen);
        offeredBefore = c.chosen;
    }

    // Nothing ticked to take: nothing changes, no step.
    prepare();
    prompts.optionAnswer = {false, false, false, false};
    window.copyZoneSettingsAction()->trigger();
    EXPECT_EQ(m.zoneAudio(5).volume, -25);
    EXPECT_FALSE(window.undoAction()->isEnabled());
    QFile::remove(memory.path());
}

TEST(SettingsCopyWindow, TheKeptChoiceReadsAsEverythingWhereUnreadableAndSaysWhyItIsNotKept)
{
    const QTemporaryDir folder;
    struct Case {
        const char* what;
        QByteArray text; // the file's text
        model::ZoneCopyParts read;
    };
    const Case cases[] = {
        {"kept", "volume=0\nvolumeLock=1\nbalance=0\ndspMode=1\n", {false, true, false, true}},
        {"a line missing or unreadable", "volume=x\nbalance=0\n", {true, true, false, true}},
        {"not a choice at all", QByteArray(10000, 'v'), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = folder.filePath(c.what);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text);
        file.close();
        EXPECT_EQ(CopyPartsMemory(path).load(), c.read);
    }
    EXPECT_EQ(CopyPartsMemory(folder.filePath("none")).load(), model::ZoneCopyParts());
    // A folder where the file should be: saving says why it cannot keep the choice.
    const QString blocked = folder.filePath("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked));
    EXPECT_FALSE(CopyPartsMemory(blocked).save({false, false, false, true}).isEmpty());
}

} // namespace
} // namespace zel::ui
