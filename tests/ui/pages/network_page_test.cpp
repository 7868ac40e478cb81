// The "Network" page: in-place edits, the DHCP rule and the display level text.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "model/config_model.h"
#include "ui/pages/network_page.h"

using namespace zel;

namespace {

class NetworkPageTest : public testing::Test {
protected:
    template <typename T> T* child(const char* name)
    {
        T* widget = page.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QCheckBox* dhcp() { return child<QCheckBox>("DHCPCheckbox"); }
    QSlider* display() { return child<QSlider>("Display"); }
    QString levelText() { return child<QLabel>("DisplayLvl")->text(); }
    QList<QWidget*> addressControls()
    {
        QList<QWidget*> controls = {child<QWidget>("IPAddress"), child<QWidget>("Netmask"),
                                    child<QWidget>("Gateway")};
        for (QLabel* label : page.findChildren<QLabel*>()) {
            if (label->text() == "IP Address" || label->text() == "Netmask" ||
                label->text() == "Gateway")
                controls << label;
        }
        EXPECT_EQ(controls.size(), 6);
        return controls;
    }
    void readerRun()
    {
        ui::setControlsEnabled(&page, true);
        page.loadFromModel();
    }

    model::ConfigModel model;
    ui::NetworkPage page{model};
};

TEST_F(NetworkPageTest, DhcpDisablesTheAddressesAndKeepsTheirTexts)
{
    model.network().ipAddress = "10.0.0.7";
    readerRun();
    for (QWidget* control : addressControls())
        EXPECT_TRUE(control->isEnabled());

    QTest::mouseClick(dhcp(), Qt::LeftButton);
    EXPECT_TRUE(model.network().dhcp);
    for (QWidget* control : addressControls())
        EXPECT_FALSE(control->isEnabled());
    EXPECT_EQ(child<QLineEdit>("IPAddress")->text(), "10.0.0.7");

    QTest::mouseClick(dhcp(), Qt::LeftButton);
    EXPECT_FALSE(model.network().dhcp);
    for (QWidget* control : addressControls())
        EXPECT_TRUE(control->isEnabled());
}

TEST_F(NetworkPageTest, ReadWithDhcpOnDisablesTheAddressesEvenWhenItWasOnBefore)
{
    model.network().dhcp = true;
    readerRun();
    ui::setControlsEnabled(&page, false); // the next reset
    readerRun();                          // DHCP still on: no change of the box
    for (QWidget* control : addressControls())
        EXPECT_FALSE(control->isEnabled());
}

TEST_F(NetworkPageTest, EditsChangeTheModelInPlace)
{
    readerRun();
    EXPECT_EQ(child<QLineEdit>("IPAddress")->text(), "IPAddress");
    EXPECT_EQ(child<QLineEdit>("Gateway")->text(), "Gateway");
    child<QLineEdit>("Netmask")->clear();
    QTest::keyClicks(child<QLineEdit>("Netmask"), "255.255.0.0][SD1]"); // brackets are refused
    EXPECT_EQ(model.network().netmask, "255.255.0.0SD1");

    QTest::mouseClick(child<QCheckBox>("FPCheckbox"), Qt::LeftButton);
    EXPECT_TRUE(model.frontPanelLocked());
    EXPECT_FALSE(model.irLockout());
    QTest::mouseClick(child<QCheckBox>("IRCheckBox"), Qt::LeftButton);
    EXPECT_TRUE(model.irLockout());
    EXPECT_TRUE(model.frontPanelLocked());
}

TEST_F(NetworkPageTest, LevelTextFollowsTheSliderAndEveryChangeOfLevel)
{
    EXPECT_EQ(levelText(), "Level: 100%");
    readerRun();
    EXPECT_EQ(levelText(), "Level: 100%") << "no display line read and the level stayed";
    page.updateLevelText(); // what a display line read at the same level does
    EXPECT_EQ(levelText(), "Level:100%");

    struct Case {
        int level;
        const char* text;
    };
    for (const Case& c : {Case{2, "Level:50%"}, Case{3, "Level:25%"}, Case{1, "Level:75%"},
                          Case{0, "Level:100%"}}) {
        SCOPED_TRACE(c.level);
        display()->setValue(c.level);
        EXPECT_EQ(levelText(), c.text);
        EXPECT_EQ(model.displayLevel(), c.level);
    }

    model.setDisplayLevel(1);
    readerRun();
    EXPECT_EQ(display()->value(), 1);
    EXPECT_EQ(levelText(), "Level:75%");
    model.setDisplayLevel(7);
    readerRun();
    EXPECT_EQ(display()->value(), 3);
    EXPECT_EQ(levelText(), "Level:25%");
}

} // namespace
