// Hiding the groups and swapping the colours in the real window.
#include "QtProgramTest.h"

#include <QScrollArea>

using namespace testing_support;

namespace {

class ToolbarTogglesViewTest : public QtProgramTest {};

TEST_F(ToolbarTogglesViewTest, CtrlHGivesTheBufferTheGroupsRoomAndTwiceRestoresTheLayout) {
    auto& v = startMain();
    v.resize(1200, 820);
    QApplication::processEvents();
    int narrow = buffer().width();
    QTest::keyClick(&buffer(), Qt::Key_H, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(v.findChild<QScrollArea*>("buttonPanel")->isVisible());
    EXPECT_GT(buffer().width(), narrow + 200);
    QTest::keyClick(&buffer(), Qt::Key_H, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(buffer().width(), narrow);
    expectMirror();
}

TEST_F(ToolbarTogglesViewTest, ContrastSwapsTheBuffersColoursAndTwiceRestoresThem) {
    startMain();
    QColor base = buffer().palette().color(QPalette::Base);
    QColor text = buffer().palette().color(QPalette::Text);
    run([&] { main().pictcontrast.click(); });
    EXPECT_EQ(buffer().palette().color(QPalette::Base), text);
    EXPECT_EQ(buffer().palette().color(QPalette::Text), base);
    run([&] { main().pictcontrast.click(); });
    EXPECT_EQ(buffer().palette().color(QPalette::Base), base);
}

} // namespace
