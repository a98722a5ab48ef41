// The horizontal rule dialog: the pieces each field keeps, the tag OK joins, the hand-over
// of an existing rule and the clean-up after loading.
#include "dialogs/HRule.h"
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

class HRuleTest : public ProgramTest {
protected:
    HRule& open() {
        Tolva& w = main();
        run([&] { commands::run(w, "rule"); });
        return *program.loaded<HRule>();
    }
    void ok() {
        run([&] { program.loaded<HRule>()->OKButton.click(); });
    }
    void pickColour(HRule& h, StringView name) {
        run([&] { h.Combo2.setListIndex(h.Combo2.list().find(name)); });
    }
    String page() { return main().Text1.text(); }
};

TEST_F(HRuleTest, OkRightAfterOpeningIsABareRule) {
    setPage(u"a[sel]b", 1, 5);
    HRule& h = open();
    EXPECT_TEXT(u"Insert Horizontal Rule: Tolva", h.caption());
    EXPECT_TEXT(u"Center", h.Align.text());
    EXPECT_TEXT(u"black", h.Combo2.text());
    EXPECT_TEXT(u"0", h.size.text());
    EXPECT_TEXT(u"", h.Widther.text());
    ok();
    EXPECT_TEXT(u"a<HR>b", page());
    EXPECT_EQ(program.loaded<HRule>(), nullptr);
}

TEST_F(HRuleTest, EveryFieldSetGivesTheWorkedExample) {
    setPage(u"");
    HRule& h = open();
    run([&] { h.Align.setListIndex(1); });
    typeChars(h.Widther, u"50");
    run([&] { h.Check2.click(); });
    run([&] { h.size.setText(u"3"); });
    run([&] { h.Check1.click(); });
    pickColour(h, u"red");
    ok();
    EXPECT_TEXT(u"<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>", page());
}

TEST_F(HRuleTest, EachFieldAloneWritesItsOwnPieceOrNone) {
    struct Case {
        const char* name;
        std::function<void(HRule&)> set;
        StringView tag;
    };
    const Case cases[] = {
        {"set back to the defaults",
         [&](HRule& h) {
             run([&] { h.Align.setListIndex(1); });
             run([&] { h.Align.setListIndex(0); });
             enter(h.size, u"4");
             enter(h.size, u"0");
             pickColour(h, u"red");
             pickColour(h, u"black");
             run([&] { h.Check1.click(); });
             run([&] { h.Check1.click(); });
         },
         u"<HR>"},
        {"a typed colour has no trailing blank",
         [&](HRule& h) { run([&] { h.Combo2.userEdit(u"navy"); }); }, u"<HR color=\"navy\">"},
        {"a width of one hundred pixels", [&](HRule& h) { typeChars(h.Widther, u"100"); },
         u"<HR width=100>"},
        {"an alignment not in the list", [&](HRule& h) { run([&] { h.setAlign(u"middle"); }); },
         u"<HR>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setPage(u"");
        c.set(open());
        ok();
        EXPECT_TEXT(c.tag, page());
    }
}

TEST_F(HRuleTest, PercentageTickUntickAndDeletingThePercentSign) {
    setPage(u"");
    HRule& h = open();
    typeChars(h.Widther, u"60");
    run([&] { h.Check2.click(); });
    EXPECT_TEXT(u"60%", h.Widther.text());
    EXPECT_TEXT(u" width=60%", h.width);
    run([&] { h.Check2.click(); });
    EXPECT_TEXT(u"60", h.Widther.text());
    EXPECT_TEXT(u" width=60", h.width);

    // Unticking takes away the "%" only; when the user has already deleted it, the digit
    // now last is not taken as well.
    run([&] { h.Check2.click(); });
    run([&] { h.Widther.setSelStart(3); });
    run([&] { h.Widther.setFocus(); });
    typeChars(h.Widther, u"\b");
    EXPECT_TEXT(u"60", h.Widther.text());
    EXPECT_EQ(h.Check2.value(), 0);
    EXPECT_TEXT(u" width=60", h.width);

    enter(h.Widther, u"\b");
    EXPECT_TEXT(u"100%", h.Widther.text()) << "an emptied width is refilled at once, silently";
    run([&] { h.Widther.setText(u""); });
    run([&] { h.Check2.setValue(1); });
    EXPECT_TEXT(u"100%", h.Widther.text());
}

TEST_F(HRuleTest, ANonDigitOrAReaderLeftoverInTheWidthResetsIt) {
    setPage(u"");
    HRule& h = open();
    typeChars(h.Widther, u"5");
    expectInvalid();
    typeChars(h.Widther, u"%");
    EXPECT_TRUE(sp.dialogs.done());
    EXPECT_TEXT(u"100%", h.Widther.text());
    EXPECT_TEXT(u" width=100%", h.width);

    for (StringView leftover : {u"idth=", u"ign="}) {
        run([&] { h.Widther.setText(leftover); });
        EXPECT_TEXT(u"100%", h.Widther.text()) << show(leftover);
    }
}

TEST_F(HRuleTest, ASelectedRuleWithoutShadeHandsItOver) {
    setPage(u"x<HR NOSHADE>y", 1, 12);
    HRule& h = open();
    EXPECT_EQ(h.Check1.value(), 1);
    ok();
    EXPECT_TEXT(u"x<HR NOSHADE>y", page());
}

TEST_F(HRuleTest, FieldsSetByAnOpenerAndTheCleanUpAfterLoading) {
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
    EXPECT_TEXT(u"Right", h.Align.text());
    EXPECT_EQ(h.Check2.value(), 0);
    sp.clock.advance(299);
    EXPECT_TEXT(u"ze=", h.size.text());
    sp.clock.advance(1);
    EXPECT_TEXT(u"0", h.size.text());
    EXPECT_TEXT(u"black", h.Combo2.text());
    EXPECT_TEXT(u"50%", h.Widther.text());
    EXPECT_EQ(h.Check2.value(), 1);
    EXPECT_FALSE(h.Timer1.enabled());
    ok();
    EXPECT_TEXT(u"<HR align=\"Right\" width=50%>", page());
}

} // namespace
