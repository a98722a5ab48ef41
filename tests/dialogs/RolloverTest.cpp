// The rollover dialog: the style block from its settings, the font list, the hand-over to
// page properties before their first OK, and where the block goes in the page afterwards.
#include "dialogs/Rollover.h"
#include "dialogs/PageProps.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

constexpr char16_t kDefaultBlock[] = u"<style rolloverstyle>A:hover {color: red; font-size: 10px;  "
                                     u"font-family: Arial; font-weight: Normal}</style>";

class RolloverTest : public ProgramTest {
protected:
    Tolva& w = main();
    RolloverTest() { sp.fonts.fonts = {u"System", u"Arial", u"Courier New", u"Verdana"}; }
    PageProps& props() { return program.window<PageProps>(); }
    // Opened from page properties, with Arial chosen.
    Rollover& open(bool applied = true) {
        run([&] {
            if (applied) props().firsttime.setText(u"False");
            props().btnRollover.click();
        });
        Rollover& r = *program.loaded<Rollover>();
        run([&] { r.Combo1.setListIndex(0); });
        return r;
    }
    void tick(forms::CheckBox& c) {
        run([&] { c.click(); });
        sp.clock.advance(250);
    }
    void ok() {
        run([&] { program.loaded<Rollover>()->OKButton.click(); });
    }
    String page() { return w.Text1.text(); }
};

} // namespace

TEST_F(RolloverTest, DefaultsAndTheFontListFromTheSecondFontOn) {
    Rollover& r = open();
    EXPECT_TEXT(u"Font And Effects For Rollover (Hyperlinks) :   Tolva", r.caption());
    ASSERT_EQ(r.Combo1.listCount(), 3);
    EXPECT_TEXT(u"Arial", r.Combo1.item(0));
    EXPECT_TEXT(u"Verdana", r.Combo1.item(2));
    EXPECT_TEXT(u"red", r.Combo2.text());
    EXPECT_TEXT(u"Normal", r.List1.text());
    EXPECT_TEXT(u"10px", r.List2.text());
    EXPECT_EQ(r.List2.listCount(), 11);
    EXPECT_TEXT(kDefaultBlock, r.styleBlock());

    run([&] { r.CancelButton.click(); });
    EXPECT_EQ(program.loaded<Rollover>(), nullptr);
    sp.fonts.fonts = {u"System"};
    run([&] { props().btnRollover.click(); });
    EXPECT_EQ(program.loaded<Rollover>()->Combo1.listCount(), 0);
    EXPECT_TEXT(u"Times New Roman", program.loaded<Rollover>()->Combo1.text());
}

TEST_F(RolloverTest, DecorationsVisibilityAndTheOneTransform) {
    Rollover& r = open();
    tick(r.Underline);
    tick(r.Overline);
    EXPECT_TEXT(u"<style rolloverstyle>A:hover {color: red; font-size: 10px; text-decoration: "
                u"underline overline; font-family: Arial; font-weight: Normal}</style>",
                r.styleBlock());
    tick(r.Underline);
    tick(r.Overline);
    EXPECT_TEXT(kDefaultBlock, r.styleBlock()) << "no decoration ticked: no text-decoration";

    tick(r.Allcaps);
    tick(r.Capitalize);
    EXPECT_EQ(r.Allcaps.value(), 0);
    tick(r.Hidden);
    tick(r.Smallcaps);
    run([&] {
        r.List1.setListIndex(4);
        r.List2.setListIndex(10);
        r.Combo2.setListIndex(r.Combo2.list().find(u"navy"));
    });
    EXPECT_TEXT(u"<style rolloverstyle>A:hover {color: navy; font-size: 36pt; visibility: "
                u"hidden;text-transform: capitalize; font-variant: small-caps; font-family: Arial; "
                u"font-weight: Bold Italics}</style>",
                r.styleBlock());
    tick(r.Allcaps);
    EXPECT_EQ(r.Capitalize.value(), 0);
    EXPECT_TEXT(u"text-transform: uppercase;", r.transformPiece);
}

TEST_F(RolloverTest, BeforeTheFirstPagePropertiesOkTheBlockIsHandedOver) {
    setPage(u"<html></HEAD><body >");
    run([&] { props().hide(); });
    open(false);
    ok();
    EXPECT_TEXT(u"<html></HEAD><body >", page());
    EXPECT_EQ(program.loaded<Rollover>(), nullptr);
    EXPECT_TEXT(kDefaultBlock, props().rolypoly.text());
}

TEST_F(RolloverTest, AfterwardsABlockIsReplacedInPlaceOrANewOneGoesBeforeTheHeadEnd) {
    const String b = kDefaultBlock;
    struct Case {
        const char* name;
        String before, after;
        bool inPlace; // page properties keep their values; otherwise they are unloaded
    } cases[] = {
        {"an earlier block", u"<head><style rolloverstyle>A:hover {color: blue}</style>\r\n</HEAD>",
         u"<head>" + b + u"\r\n</HEAD>", true},
        {"no block", u"<head>\r\n</HEAD><body>", u"<head>\r\n" + b + u"\r\n</HEAD><body>", false},
        {"a block without its end goes up to the end of its line",
         u"<head><style rolloverstyle>A:hover {color: blue\r\n</HEAD>after",
         u"<head>" + b + u"\r\n</HEAD>after", true},
        {"a block without its end on the last line cannot be measured",
         u"<head></HEAD><style rolloverstyle>A:hover {color: blue",
         u"<head>" + b + u"\r\n</HEAD><style rolloverstyle>A:hover {color: blue", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setPage(c.before);
        open();
        ok();
        EXPECT_TEXT(c.after, page());
        EXPECT_EQ(program.loaded<Rollover>(), nullptr);
        EXPECT_EQ(program.loaded<PageProps>() != nullptr, c.inPlace);
        EXPECT_EQ(program.runtime().focus(), &w.Text1);
    }
}

TEST_F(RolloverTest, WithNeitherBlockNorHeadEndTheUserIsToldAndNothingIsLost) {
    setPage(u"<html><body>text");
    Rollover& r = open();
    tick(r.Underline);
    sp.dialogs.expectMessage(
        u"Head tag missing. Tolva will not proceed. Add </HEAD> tag and perform this task again.",
        forms::vbOKOnly, u"Tolva", forms::vbOK);
    ok();
    EXPECT_TRUE(sp.dialogs.done());
    EXPECT_TEXT(u"<html><body>text", page());
    ASSERT_EQ(program.loaded<Rollover>(), &r);
    EXPECT_TRUE(r.visible());
    EXPECT_EQ(r.Underline.value(), 1);
    ASSERT_NE(program.loaded<PageProps>(), nullptr);
    EXPECT_TEXT(u"False", props().firsttime.text());
}
