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

TEST_F(NumericBoxTest,
       OnlyTheCharacterBeforeTheCaretIsCheckedEmptyOrRefusedTakesTheResetAndArrowsStep) {
    run([&] { box.setText(u"1x2"); }); // a paste ending in a digit passes
    EXPECT_TEXT(u"1x2", box.text());
    run([&] { box.setText(u""); });
    EXPECT_TEXT(u"2", box.text()) << "silently";

    run([&] {
        box.setText(u"1");
        box.setSelStart(1);
        box.setFocus();
    });
    typeChars(box, u"7");
    EXPECT_EQ(box.selStart(), 2);
    expectInvalid();
    typeChars(box, u"x");
    EXPECT_TEXT(u"2", box.text());

    // The arrows carry into a new digit and leave a non-number alone (the floor: the
    // dialogs' tests, through their arrows).
    run([&] { box.setText(u"9"); });
    run([&] { spin.up(); });
    EXPECT_TEXT(u"10", box.text());

    forms::TextBox loose{form, "loose"};
    run([&] { loose.setText(u"abc"); });
    run([&] { numeric::stepUp(loose); });
    EXPECT_TEXT(u"abc", loose.text());
}

} // namespace
