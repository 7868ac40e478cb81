// The Compare dialog with many differences: the heading says once that some rows go together,
// each such row says why in its note (and so does the copied text), and the list takes the
// room: the dialog opens with 25 rows or more in view, or as tall as the screen allows.
#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/templates.h"
#include "ui/compare/compare_dialog.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

model::ConfigModel zel16()
{
    model::ConfigModel unit;
    model::resetModel(unit);
    std::string text;
    for (const std::string& line : model::templateLines(model::UnitSize::Zel16))
        text += line + "\r\n";
    model::LogLines log;
    model::readText(unit, text, log);
    return unit;
}

TEST(CompareDialogRoom, OneHeadingSentenceNotesInTheRowsAndManyRowsInView)
{
    const model::ConfigModel unit = zel16();
    // Every zone locked at another volume: two tied rows a zone.
    model::ConfigModel edited = unit;
    for (int zone = 1; zone <= 16; ++zone) {
        edited.zoneAudio(zone).volumeLocked = !unit.zoneAudio(zone).volumeLocked;
        edited.zoneAudio(zone).volume = static_cast<int8_t>(unit.zoneAudio(zone).volume - 10);
    }
    CompareDialog::PageDifferences page{QStringLiteral("Zone Audio Controls"),
                                        model::compareConfigurations(edited, unit)};
    ASSERT_GE(page.differences.size(), 32u);
    CompareDialog dialog;
    dialog.setSendable(true);
    dialog.showDifferences({QStringLiteral("Compared with the unit.")},
                           QStringLiteral("On the unit"), {page});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QString heading = dialog.heading()->text();
    EXPECT_EQ(heading.count(QStringLiteral("go together")), 1) << heading.toStdString();
    EXPECT_FALSE(heading.contains(QStringLiteral("Zone"))) << heading.toStdString();
    // Each note is on the two rows of its zone, and in their lines of the copied text.
    const QTreeWidgetItem* rows = dialog.list()->topLevelItem(0);
    QMap<QString, int> notes;
    for (int row = 0; row < rows->childCount(); ++row) {
        const QString note = rows->child(row)->text(3);
        EXPECT_FALSE(note.isEmpty()) << rows->child(row)->text(0).toStdString();
        ++notes[note];
        EXPECT_TRUE(dialog.text().contains(note)) << note.toStdString();
    }
    EXPECT_EQ(notes.size(), 16);
    for (auto it = notes.cbegin(); it != notes.cend(); ++it)
        EXPECT_EQ(it.value(), 2) << it.key().toStdString();
    EXPECT_FALSE(dialog.list()->isColumnHidden(3));

    const int rowHeight = dialog.list()->visualItemRect(rows->child(0)).height();
    ASSERT_GT(rowHeight, 0);
    const int inView = dialog.list()->viewport()->height() / rowHeight;
    const int screenRoom = dialog.screen()->availableGeometry().height();
    EXPECT_TRUE(inView >= 25 || dialog.height() >= screenRoom - 60)
        << inView << " rows in view, " << dialog.height() << " of " << screenRoom << " pixels";
}

} // namespace
} // namespace zel::ui
