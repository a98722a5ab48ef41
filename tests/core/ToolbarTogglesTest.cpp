// Hiding the button groups and swapping the colour scheme.
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

class ToolbarTogglesTest : public ProgramTest {
protected:
    Tolva& w = main();
};

TEST_F(ToolbarTogglesTest, CtrlHTwiceHidesAndShowsTheGroupsAndLeavesThePageAlone) {
    setPage(u"<p>page</p>", 3, 4);
    run([&] { w.menu("mnuhider").click(); });
    for (const char* name : {"General", "tabular", "Combo4", "specialcharacter"})
        EXPECT_FALSE(w.find(name)->visible()) << name;
    EXPECT_TRUE(w.pictinformation.visible());
    EXPECT_TEXT(u"<p>page</p>", w.Text1.text());
    EXPECT_EQ(w.Text1.selLength(), 4);

    // The caption alternates on its own; what is done follows General alone.
    run([&] { w.pictinformation.click(); });
    EXPECT_TRUE(w.fonts.Underline.visible());
    run([&] { w.General.setVisible(false); });
    run([&] { w.pictinformation.click(); });
    EXPECT_TRUE(w.General.visible()) << "General was hidden, so all are shown";
    EXPECT_TEXT(u"Show", w.mnuhider.caption());
}

TEST_F(ToolbarTogglesTest, ContrastSwapsEachColourOnItsOwnAndTwiceRestores) {
    constexpr forms::Color back = forms::vbWindowBackground, frame = forms::vbWindowFrame;
    run([&] { w.helper.setForeColor(0x00FF00); });
    run([&] { w.pictcontrast.click(); });
    EXPECT_EQ(w.Text1.backColor(), frame);
    EXPECT_EQ(w.Text1.foreColor(), back);
    EXPECT_EQ(w.helper.backColor(), frame);
    EXPECT_EQ(w.helper.foreColor(), back) << "neither colour becomes window background";
    run([&] { w.pictcontrast.click(); });
    EXPECT_EQ(w.Text1.backColor(), back);
    EXPECT_EQ(w.Text1.foreColor(), frame);
}

} // namespace
