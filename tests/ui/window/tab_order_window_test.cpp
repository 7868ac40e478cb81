// Where the keys go. Tab goes through every page as it reads, from the top left to the bottom
// right: within a column downwards, within a row rightwards, never back up a column or back left
// along a row, and it reaches every control of the page once before it comes back to the tabs.
// The tab bar and the lists that choose a record show a frame while they have the focus.
#include "ui/common/focus_frame.h"
#include "ui/pages/favorites_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

QString describe(QWidget* widget)
{
    if (!widget)
        return QStringLiteral("nothing");
    const QString name =
        widget->accessibleName().isEmpty() ? widget->objectName() : widget->accessibleName();
    return QStringLiteral("%1 \"%2\"").arg(widget->metaObject()->className(), name);
}

// The controls of `page` that Tab may reach.
QList<QWidget*> tabStops(QWidget* page)
{
    QList<QWidget*> stops;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
            (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            stops << widget;
    }
    return stops;
}

// Why going from `from` to `to` goes against the reading of the page, or nothing.
QString againstReading(QWidget* page, QWidget* from, QWidget* to)
{
    const QRect a(from->mapTo(page, QPoint()), from->size());
    const QRect b(to->mapTo(page, QPoint()), to->size());
    const bool sameColumn = b.left() < a.right() && b.right() > a.left();
    const bool sameRow = b.top() < a.bottom() && b.bottom() > a.top();
    if (sameColumn && b.bottom() <= a.top())
        return QStringLiteral("back up the column");
    if (sameRow && b.right() <= a.left())
        return QStringLiteral("back left along the row");
    return {};
}

TEST(TabOrderWindow, EveryPageReadsFromTopLeftToBottomRight)
{
    MainWindow window;
    window.show();
    window.newTemplate(model::UnitSize::Zel16);
    auto* mode = window.findChild<QComboBox*>("dspModeBox");
    auto* dhcp = window.findChild<QCheckBox*>("DHCPCheckbox");
    struct Case {
        int page;
        int dspMode = -1; // the zone's mode on the audio page, which decides what shows
        bool dhcp = true; // with DHCP off the addresses can be edited
    };
    const Case cases[] = {
        {MainWindow::kConfigurationFilePage},   {MainWindow::kNamingPage},
        {MainWindow::kFavoriteGroupNamingPage}, {MainWindow::kZoneAudioPage, 1},
        {MainWindow::kZoneAudioPage, 2},        {MainWindow::kZoneAudioPage, 3},
        {MainWindow::kZoneAudioPage, 4},        {MainWindow::kPresetsPage},
        {MainWindow::kFavoritesPage},           {MainWindow::kGroupsPage},
        {MainWindow::kNetworkPage, -1, true},   {MainWindow::kNetworkPage, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(window.tabs()->tabText(c.page).toStdString() + " " +
                     std::to_string(c.dspMode));
        window.tabs()->setCurrentIndex(c.page);
        if (c.dspMode >= 0) {
            mode->setCurrentIndex(c.dspMode);
            emit mode->activated(c.dspMode);
        }
        if (dhcp->isChecked() != c.dhcp)
            dhcp->click();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* page = window.tabs()->currentWidget();
        QTabBar* bar = window.tabs()->tabBar();
        bar->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == bar; }));

        QList<QWidget*> reached;
        QStringList faults;
        QWidget* previous = nullptr;
        for (int step = 0; step < 60; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (!now || now == bar || !page->isAncestorOf(now))
                break;
            if (reached.contains(now)) {
                faults << describe(now) + " reached twice";
                break;
            }
            if (previous && !againstReading(page, previous, now).isEmpty())
                faults << describe(previous) + " -> " + describe(now) + ": " +
                              againstReading(page, previous, now);
            reached << now;
            previous = now;
        }
        for (QWidget* stop : tabStops(page)) {
            if (!reached.contains(stop))
                faults << describe(stop) + " is never reached";
        }
        QStringList order;
        for (QWidget* widget : reached)
            order << describe(widget);
        EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString() << "\nthe order:\n"
                                      << order.join('\n').toStdString();
    }
}

TEST(TabOrderWindow, TheTabsAndTheRecordListsShowAFrameWhileTheyHaveTheFocus)
{
    MainWindow window;
    window.show();
    window.newTemplate(model::UnitSize::Zel16);
    QTabBar* bar = window.tabs()->tabBar();
    struct Case {
        const char* what;
        int page;
        QWidget* target;
        Qt::Key key;                  // a key that moves within the target
        std::function<QRect()> frame; // where the frame must stand after it
    };
    const Case cases[] = {
        {"the tab bar", MainWindow::kZoneAudioPage, bar, Qt::Key_Right,
         [&] { return bar->tabRect(MainWindow::kPresetsPage); }},
        {"the zone list", MainWindow::kZoneAudioPage, window.findChild<QListWidget*>("zoneList"),
         Qt::Key_Down, [] { return QRect(); }},
        {"the preset list", MainWindow::kPresetsPage, window.findChild<QListWidget*>("presetList"),
         Qt::Key_Down, [] { return QRect(); }},
        {"the favorite list", MainWindow::kFavoritesPage,
         window.pageSet().favoritesPage()->favoriteList(), Qt::Key_Down, [] { return QRect(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.tabs()->setCurrentIndex(c.page);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto* frame = c.target->findChild<FocusFrame*>();
        ASSERT_NE(frame, nullptr);
        // The frame's colour where its left edge crosses the middle of what it frames.
        const auto edgeColour = [&] {
            const QRect framed = frame->framed();
            return c.target->grab().toImage().pixelColor(framed.left(), framed.center().y());
        };
        const QColor highlight = frame->palette().color(QPalette::Active, QPalette::Highlight);
        window.tabs()->currentWidget()->setFocus(); // elsewhere first
        ASSERT_TRUE(QTest::qWaitFor([&] { return !c.target->hasFocus(); }));
        EXPECT_FALSE(frame->isVisible());
        EXPECT_NE(edgeColour(), highlight);
        c.target->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.target->hasFocus(); }));
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(edgeColour(), highlight);
        QTest::keyClick(c.target, c.key);
        const QRect expected = c.frame().isNull() ? c.target->rect() : c.frame();
        EXPECT_EQ(frame->framed(), expected);
        EXPECT_EQ(edgeColour(), highlight);
    }
}

} // namespace
} // namespace zel::ui
