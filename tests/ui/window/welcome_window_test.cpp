#include "ui/window/welcome_window.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace zel::ui {
namespace {

TEST(WelcomeWindow, FrameIsFixedOnTopWithoutMinimiseOrMaximise)
{
    WelcomeWindow welcome;
    EXPECT_EQ(welcome.windowTitle(), QStringLiteral("Welcome"));
    EXPECT_EQ(welcome.minimumSize(), QSize(527, 376));
    EXPECT_EQ(welcome.maximumSize(), QSize(527, 376));
    const Qt::WindowFlags flags = welcome.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST(WelcomeWindow, ShowsTheGreetingLineByLineBlanksIncluded)
{
    WelcomeWindow welcome;
    const QStringList lines = WelcomeWindow::welcomeLines();
    const QString text = lines.join(QLatin1Char('\n'));
    // What a first-time user needs: the greeting, the three ways to reach a unit and the serial
    // speed, where to start, where a transfer with a unit is kept on the PC, and the way to a
    // venue of several units.
    for (const char* part :
         {"Welcome to the ZEL configuration utility.  ", "File mode", "Serial mode", "9600 baud",
          "Telnet mode", "FILE / IMPORT", "NEW ZEL-8 or ZEL-16", "FILE / EXPORT",
          "kept  \non the PC in the unit journal (FILE / HISTORY)", "export using the FILE method",
          "several units: FILE / FIND UNITS",
          "site window \n(FILE / NEW SITE) backs them all up"}) {
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
    }
    // Shown as written, blank lines and trailing blanks kept.
    EXPECT_EQ(welcome.textBox()->toPlainText().toStdString(), text.toStdString());
    EXPECT_TRUE(welcome.textBox()->isReadOnly());

    welcome.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&welcome));
    EXPECT_EQ(welcome.textBox()->document()->lineCount(), lines.size()) << "no line breaks in two";
    EXPECT_EQ(welcome.textBox()->verticalScrollBar()->maximum(), 0) << "every line shows at once";
}

TEST(WelcomeWindow, OkButtonSitsCentredUnderTheText)
{
    WelcomeWindow welcome;
    const QRect text = welcome.textBox()->geometry();
    const QRect ok = welcome.okButton()->geometry();
    EXPECT_EQ(text.size(), QSize(511, 329));
    EXPECT_EQ(ok.size(), QSize(123, 25));
    EXPECT_EQ(welcome.okButton()->text(), QStringLiteral("&OK"));
    EXPECT_LE(std::abs((ok.left() + ok.right()) - (text.left() + text.right())), 1);
    EXPECT_GT(ok.top(), text.bottom());
    EXPECT_LE(ok.bottom(), 376);
}

TEST(WelcomeWindow, OkClosesOnlyTheWelcomeWindow)
{
    QWidget owner;
    owner.show();
    QPointer<WelcomeWindow> welcome = new WelcomeWindow(&owner);
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    welcome->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(welcome));

    QTest::mouseClick(welcome->okButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(welcome.isNull());
    EXPECT_TRUE(owner.isVisible());
}

TEST(WelcomeWindow, EnterPressesOk)
{
    WelcomeWindow welcome;
    welcome.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&welcome));
    QTest::keyClick(&welcome, Qt::Key_Return);
    EXPECT_FALSE(welcome.isVisible());
}

} // namespace
} // namespace zel::ui
