// The Compare dialog with many differences: the heading says once that some rows go together,
// each such row says why in its note (so does the copied text), and the list takes the room: 25
// rows or more in view, or the dialog as tall as the screen allows.
#include "model/config_diff.h"
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

TEST(CompareDialogRoom, OneHeadingSentenceNotesInTheRowsAndManyRowsInView)
{
    model::ConfigModel unit;
    model::resetModel(unit);
    model::LogLines log;
    for (const std::string& line : model::templateLines(model::UnitSize::Zel16))
        model::readLine(unit, line, log);
    model::ConfigModel edited = unit; // every zone locked at another volume: two rows tied
    for (int zone = 1; zone <= 16; ++zone) {
        edited.zoneAudio(zone).volumeLocked = !unit.zoneAudio(zone).volumeLocked;
        edited.zoneAudio(zone).volume = static_cast<int8_t>(unit.zoneAudio(zone).volume - 10);
    }
    CompareDialog dialog;
    dialog.setSendable(true);
    dialog.showDifferences({"Compared."}, "On the unit",
                           {{"Zone Audio Controls", model::compareConfigurations(edited, unit)}});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QString heading = dialog.heading()->text();
    EXPECT_EQ(heading.count("go together"), 1) << heading.toStdString();
    EXPECT_FALSE(heading.contains("zone", Qt::CaseInsensitive)) << heading.toStdString();
    const QTreeWidgetItem* rows = dialog.list()->topLevelItem(0);
    ASSERT_EQ(rows->childCount(), 32);
    QMap<QString, int> notes; // each on the two rows of its zone, and in the copied text
    for (int row = 0; row < rows->childCount(); ++row) {
        ++notes[rows->child(row)->text(3)];
        EXPECT_TRUE(dialog.text().contains(rows->child(row)->text(3)));
    }
    EXPECT_EQ(notes.size(), 16);
    EXPECT_EQ(notes.values(), QList<int>(16, 2));

    const int inView = dialog.list()->viewport()->height() /
                       dialog.list()->visualItemRect(rows->child(0)).height();
    const int screenRoom = dialog.screen()->availableGeometry().height();
    EXPECT_TRUE(inView >= 25 || dialog.height() >= screenRoom - 60)
        << inView << " rows in view, " << dialog.height() << " of " << screenRoom << " pixels";
}

} // namespace
} // namespace zel::ui
