// Tab goes through every page from the top left to the bottom right, reaching every control once;
// the tab bar (around the current tab) and the lists that choose a record, and nothing else, show
// a frame in the highlight colour while they have the focus.
#include "ui/access/focus_frame.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

QString describe(QWidget* widget)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(widget->metaObject()->className(), widget->accessibleName() + widget->objectName());
}

// Why going from `a` to `b` goes against the reading of the page, or nothing.
QString againstReading(QWidget* page, QWidget* a, QWidget* b)
{
    const QRect from(a->mapTo(page, QPoint()), a->size()), to(b->mapTo(page, QPoint()), b->size());
    if (to.left() < from.right() && to.right() > from.left() && to.bottom() <= from.top())
        return QStringLiteral("back up the column");
    if (to.top() < from.bottom() && to.bottom() > from.top() && to.right() <= from.left())
        return QStringLiteral("back left along the row");
    return {};
}

// A frame shown around `focused` alone, drawn in the highlight colour where its left edge
// crosses the middle of what it frames.
QString frameFaults(const MainWindow& window, QWidget* focused)
{
    QString faults;
    for (FocusFrame* frame : window.findChildren<FocusFrame*>()) {
        QWidget* target = frame->parentWidget();
        const QRect framed = frame->framed();
        const QColor edge = target->grab().toImage().pixelColor(framed.left(), framed.center().y());
        const bool drawn = edge == frame->palette().color(QPalette::Active, QPalette::Highlight);
        if (frame->isVisible() != (target == focused) || drawn != (target == focused))
            faults += describe(target) + (drawn ? " framed" : " unframed") + " with the focus on " +
                      describe(focused) + '\n';
    }
    return faults;
}

TEST(TabOrderWindow, EveryPageReadsFromTopLeftToBottomRightAndFramesWhatChoosesARecord)
{
    MainWindow window;
    window.show();
    window.newTemplate(model::UnitSize::Zel16);
    auto* mode = window.findChild<QComboBox*>("dspModeBox");
    auto* dhcp = window.findChild<QCheckBox*>("DHCPCheckbox");
    QTabBar* bar = window.tabs()->tabBar();
    QStringList framed; // the tab bar, unnamed, and every list, grid and matrix
    for (FocusFrame* frame : window.findChildren<FocusFrame*>())
        framed << frame->parentWidget()->accessibleName();
    EXPECT_EQ(framed.size(), 10);
    EXPECT_TRUE(framed.contains("Choose a Favorite") && framed.contains("ZEL EQ Presets") &&
                framed.contains("Zones"));
    // The page; the zone's mode on the audio page and DHCP, which decide what can be reached.
    // clang-format off
    const std::tuple<int, int, bool> cases[] = {
        {MainWindow::kConfigurationFilePage, -1, true}, {MainWindow::kNamingPage, -1, true},
        {MainWindow::kFavoriteGroupNamingPage, -1, true}, {MainWindow::kZoneAudioPage, 1, true},
        {MainWindow::kZoneAudioPage, 2, true}, {MainWindow::kZoneAudioPage, 3, true},
        {MainWindow::kZoneAudioPage, 4, true}, {MainWindow::kPresetsPage, -1, true},
        {MainWindow::kFavoritesPage, -1, true}, {MainWindow::kGroupsPage, -1, true},
        {MainWindow::kNetworkPage, -1, true}, {MainWindow::kNetworkPage, -1, false},
    };
    // clang-format on
    for (const auto& [pageIndex, dspMode, dhcpOn] : cases) {
        SCOPED_TRACE(window.tabs()->tabText(pageIndex).toStdString() + " " +
                     std::to_string(dspMode));
        window.tabs()->setCurrentIndex(pageIndex);
        if (dspMode >= 0) {
            mode->setCurrentIndex(dspMode);
            emit mode->activated(dspMode);
        }
        if (dhcp->isChecked() != dhcpOn)
            dhcp->click();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* page = window.tabs()->currentWidget();
        bar->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == bar; }));
        EXPECT_EQ(bar->findChild<FocusFrame*>()->framed(), bar->tabRect(pageIndex));

        QList<QWidget*> reached;
        QString faults = frameFaults(window, bar);
        for (QWidget* now = bar; reached.size() < 60;) {
            QTest::keyClick(now, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            if (!next || !page->isAncestorOf(next))
                break;
            const QString against = reached.contains(next) ? QStringLiteral("twice")
                                    : now == bar           ? QString()
                                                           : againstReading(page, now, next);
            if (!against.isEmpty())
                faults += describe(now) + " -> " + describe(next) + ": " + against + '\n';
            if (reached.contains(next))
                break;
            faults += frameFaults(window, next);
            reached << next;
            now = next;
        }
        for (QWidget* stop : page->findChildren<QWidget*>()) {
            if (stop->isVisible() && stop->isEnabled() && !stop->focusProxy() &&
                (stop->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !reached.contains(stop))
                faults += describe(stop) + " is never reached\n";
        }
        EXPECT_TRUE(faults.isEmpty()) << faults.toStdString();
    }
}

} // namespace
} // namespace zel::ui
