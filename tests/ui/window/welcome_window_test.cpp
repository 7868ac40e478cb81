#include "ui/window/welcome_window.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
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
    const QStringList expected = {
        QStringLiteral("Welcome to the ZEL configuration utility.  "),
        QString(),
        QStringLiteral("To use the utility, follow the steps below:"),
        QString(),
        QStringLiteral("1. Select one of three import methods from the FILE Menu:"),
        QString(),
        QStringLiteral("- File mode (import configuration from a file)"),
        QStringLiteral(
            "- Serial mode (import configuration from a serial connection, 9600 baud required)"),
        QStringLiteral("- Telnet mode (import configuration from a Ethernet connection)"),
        QString(),
        QStringLiteral("2. Select FILE / IMPORT - or - Select FILE / NEW ZEL-8 or ZEL-16 to start "
                       "with a blank "),
        QStringLiteral("template."),
        QString(),
        QStringLiteral("3. Edit the configuration to fit your installation."),
        QString(),
        QStringLiteral(
            "4. Select FILE / EXPORT.  The export method is the same as the one used during "),
        QStringLiteral("import. "),
        QString(),
        QStringLiteral(
            "Note:  When exporting via telnet or serial, a local copy is NOT stored on the PC.  "),
        QStringLiteral("If you want to save a local copy, export using the FILE method."),
    };
    const QStringList shown = welcome.textBox()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(shown[i].toStdString(), expected[i].toStdString());
    }
    EXPECT_TRUE(welcome.textBox()->isReadOnly());

    welcome.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&welcome));
    EXPECT_EQ(welcome.textBox()->document()->lineCount(), expected.size())
        << "no line breaks in two";
}

TEST(WelcomeWindow, OkButtonSitsCentredUnderTheText)
{
    WelcomeWindow welcome;
    const QRect text = welcome.textBox()->geometry();
    const QRect ok = welcome.okButton()->geometry();
    EXPECT_EQ(text.size(), QSize(511, 329));
    EXPECT_EQ(ok.size(), QSize(123, 25));
    EXPECT_EQ(welcome.okButton()->text(), QStringLiteral("OK"));
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
