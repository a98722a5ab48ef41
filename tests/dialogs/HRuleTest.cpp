// The horizontal rule dialog: the pieces each field keeps, the tag OK joins, the hand-over
// of an existing rule and the clean-up after loading.
#include "dialogs/HRule.h"
#include "dialogs/DialogTest.h"

using namespace testing_support;

namespace {

class HRuleTest : public DialogTest<HRule> {
protected:
    HRule& open() { return DialogTest::open("rule"); }
    void ok() { click(program.loaded<HRule>()->OKButton); }
};

TEST_F(HRuleTest, EachFieldWritesItsPieceAndNoneWhenSetBack) {
    setPage(u"a[sel]b", 1, 5);
    open();
    ok();
    EXPECT_TEXT(u"a<HR>b", page());
    EXPECT_EQ(program.loaded<HRule>(), nullptr);

    setPage(u"");
    HRule& h = open();
    run([&] { h.Align.setListIndex(1); });
    typeChars(h.Widther, u"50");
    click(h.Check2);
    run([&] { h.size.setText(u"3"); });
    click(h.Check1);
    run([&] { h.Combo2.setListIndex(h.Combo2.list().find(u"red")); });
    ok();
    EXPECT_TEXT(u"<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>", page());

    // Set back, or to an alignment not in the list, a field writes nothing; a typed colour
    // has no trailing blank.
    setPage(u"");
    HRule& g = open();
    enter(g.size, u"4");
    enter(g.size, u"0");
    click(g.Check1);
    click(g.Check1);
    run([&] { g.setAlign(u"middle"); });
    run([&] { g.Combo2.userEdit(u"navy"); });
    ok();
    EXPECT_TEXT(u"<HR color=\"navy\">", page());
}

TEST_F(HRuleTest, PercentageTickUntickAndDeletingThePercentSign) {
    setPage(u"");
    HRule& h = open();
    typeChars(h.Widther, u"60");
    click(h.Check2);
    EXPECT_TEXT(u"60%", h.Widther.text());
    click(h.Check2);
    EXPECT_TEXT(u"60", h.Widther.text());

    // Unticking takes away the "%" only; when the user has already deleted it, the digit
    // now last is not taken as well.
    click(h.Check2);
    run([&] { h.Widther.setSelStart(3); });
    run([&] { h.Widther.setFocus(); });
    typeChars(h.Widther, u"\b");
    EXPECT_TEXT(u"60", h.Widther.text());
    EXPECT_EQ(h.Check2.value(), 0);
    EXPECT_TEXT(u" width=60", h.width);

    // A non-digit or a leftover of the tag reader resets the width.
    enter(h.Widther, u"5");
    expectInvalid();
    typeChars(h.Widther, u"%");
    EXPECT_TEXT(u"100%", h.Widther.text());
    run([&] { h.Widther.setText(u"idth="); });
    EXPECT_TEXT(u"100%", h.Widther.text());
}

TEST_F(HRuleTest, AnExistingRuleIsHandedOverAndCleanedUpAfterLoading) {
    setPage(u"x<HR NOSHADE>y", 1, 12);
    EXPECT_EQ(open().Check1.value(), 1);
    ok();
    EXPECT_TEXT(u"x<HR NOSHADE>y", page());

    // What smart correct hands over from "<HR align="right" width=50%>": the values its
    // reader finds, leftovers included.
    setPage(u"");
    HRule& h = open();
    run([&] {
        h.setAlign(u"right");
        h.Widther.setText(u"50%");
        h.size.setText(u"ze=");
        h.Combo2.setText(u"lign=");
    });
    sp.clock.advance(300);
    EXPECT_TEXT(u"0", h.size.text());
    EXPECT_EQ(h.Check2.value(), 1);
    ok();
    EXPECT_TEXT(u"<HR align=\"Right\" width=50%>", page());
}

} // namespace
