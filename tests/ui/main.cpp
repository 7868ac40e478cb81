// Runs the window tests inside one QApplication on the offscreen platform unless another one is
// chosen (the test list is also read at build time, outside the test environment).
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Every test keeps its journal and unit directory apart: a unit the journal saw in one test
// must not be taken for the unit that a later test's simulator answers for on the same port.
class DataHomePerTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_home->path().toLocal8Bit());
    }
    void OnTestEnd(const testing::TestInfo&) override { m_home.reset(); }
    std::unique_ptr<QTemporaryDir> m_home;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The window keeps a unit journal in the user's data folder: the tests keep theirs apart.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new DataHomePerTest);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
