// numberguard and the up-down arithmetic shared by the dialogs' numeric boxes.
#include "dialogs/NumericBox.h"
#include "forms/Controls.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

class NumericBoxTest : public ProgramTest {
protected:
    forms::Form form{program.runtime(), "numbers"};
    forms::TextBox box{form, "box"};
    forms::UpDown spin{form, "spin"};

    void SetUp() override { numeric::bind(box, u"2", &spin, 1); }
};

TEST_F(NumericBoxTest, OnlyTheCharacterBeforeTheCaretIsCheckedAndEmptyTakesTheResetValue) {
    // A paste ending in a digit passes, whatever comes before it.
    run([&] { box.setText(u"1x2"); });
    EXPECT_TEXT(u"1x2", box.text());
    run([&] { box.setText(u""); });
    EXPECT_TEXT(u"2", box.text());
    EXPECT_TRUE(sp.dialogs.done()) << "silently";
}

TEST_F(NumericBoxTest, ADigitTypedKeepsTheCaretAndANonDigitIsRefusedWithTheResetValue) {
    run([&] {
        box.setText(u"1");
        box.setSelStart(1);
        box.setFocus();
    });
    typeChars(box, u"7");
    EXPECT_TEXT(u"17", box.text());
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 0);
    expectInvalid();
    typeChars(box, u"x");
    EXPECT_TRUE(sp.dialogs.done());
    EXPECT_TEXT(u"2", box.text());
}

TEST_F(NumericBoxTest, UpAddsOneAndDownStopsAtTheFloor) {
    run([&] { box.setText(u"9"); });
    run([&] { spin.up(); });
    EXPECT_TEXT(u"10", box.text());
    run([&] { box.setText(u"2"); });
    run([&] { spin.down(); });
    EXPECT_TEXT(u"1", box.text());
    run([&] { spin.down(); });
    EXPECT_TEXT(u"1", box.text()) << "at the floor nothing happens";
}

TEST_F(NumericBoxTest, ArithmeticWritesShortestFormsAndLeavesNonNumbersAlone) {
    EXPECT_TEXT(u"3", numeric::format(3.0));
    EXPECT_TEXT(u"2.5", numeric::format(2.5));
    EXPECT_TEXT(u"-4", numeric::format(-4));
    EXPECT_EQ(numeric::value(u" 12 "), 12.0);
    EXPECT_EQ(numeric::value(u"1x2"), std::nullopt);
    EXPECT_EQ(numeric::value(u"50%"), std::nullopt);
    EXPECT_EQ(numeric::value(u""), std::nullopt);

    forms::TextBox loose{form, "loose"};
    run([&] { loose.setText(u"abc"); });
    run([&] { numeric::stepUp(loose); });
    EXPECT_TEXT(u"abc", loose.text());
    run([&] { loose.setText(u"2.5"); });
    run([&] { numeric::stepUp(loose); });
    EXPECT_TEXT(u"3.5", loose.text());
}

} // namespace
