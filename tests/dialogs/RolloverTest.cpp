// The rollover dialog: the style block from its settings, the font list, the hand-over to
// page properties before their first OK, and where the block goes in the page afterwards.
#include "dialogs/Rollover.h"
#include "dialogs/DialogTest.h"
#include "dialogs/PageProps.h"

using namespace testing_support;

namespace {

constexpr char16_t kDefaultBlock[] = u"<style rolloverstyle>A:hover {color: red; font-size: 10px;  "
                                     u"font-family: Arial; font-weight: Normal}</style>";

class RolloverTest : public DialogTest<Rollover> {
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
        click(c);
        sp.clock.advance(250);
    }
    void ok() { click(program.loaded<Rollover>()->OKButton); }
};

} // namespace

TEST_F(RolloverTest, TheFontListSkipsTheFirstFontAndTheBlockFollowsTheSettings) {
    Rollover& r = open();
    ASSERT_EQ(r.Combo1.listCount(), 3);
    EXPECT_TEXT(u"Arial", r.Combo1.item(0));

    for (forms::CheckBox* c :
         {&r.Allcaps, &r.Capitalize, &r.Underline, &r.Overline, &r.Hidden, &r.Smallcaps})
        tick(*c);
    EXPECT_EQ(r.Allcaps.value(), 0) << "one transform at a time";
    run([&] {
        r.List1.setListIndex(4);
        r.List2.setListIndex(10);
        r.Combo2.setListIndex(r.Combo2.list().find(u"navy"));
    });
    EXPECT_TEXT(u"<style rolloverstyle>A:hover {color: navy; font-size: 36pt; text-decoration: "
                u"underline overline;visibility: hidden;text-transform: capitalize; font-variant: "
                u"small-caps; font-family: Arial; font-weight: Bold Italics}</style>",
                r.styleBlock());
    tick(r.Underline);
    tick(r.Overline);
    EXPECT_EQ(r.styleBlock().find(u"text-decoration"), String::npos);

    click(r.CancelButton);
    sp.fonts.fonts = {u"System"};
    run([&] { props().btnRollover.click(); });
    EXPECT_EQ(program.loaded<Rollover>()->Combo1.listCount(), 0);
    EXPECT_TEXT(u"Times New Roman", program.loaded<Rollover>()->Combo1.text());
}

TEST_F(RolloverTest, BeforeTheFirstPagePropertiesOkTheBlockIsHandedOver) {
    setPage(u"<html></HEAD><body >");
    run([&] { props().hide(); });
    open(false);
    ok();
    EXPECT_TEXT(u"<html></HEAD><body >", page());
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
    }
}

TEST_F(RolloverTest, WithNeitherBlockNorHeadEndTheUserIsToldAndNothingIsLost) {
    setPage(u"<html><body>text");
    Rollover& r = open();
    sp.dialogs.expectMessage(
        u"Head tag missing. Tolva will not proceed. Add </HEAD> tag and perform this task again.",
        forms::vbOKOnly, u"Tolva", forms::vbOK);
    ok();
    EXPECT_TEXT(u"<html><body>text", page());
    ASSERT_EQ(program.loaded<Rollover>(), &r);
    EXPECT_TEXT(u"False", props().firsttime.text());
}
