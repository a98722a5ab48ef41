// The page-properties dialog: raised by the main window without the keyboard, the opener's
// body search, the tag it builds, its pieces, and hide versus unload.
#include "dialogs/PageProps.h"
#include "dialogs/DialogTest.h"
#include "dialogs/Rollover.h"

#include <algorithm>
#include <vector>

using namespace testing_support;
using Change = forms::Form::Change;

namespace {

constexpr char16_t kBodyDefaults[] =
    u"<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" alink=\"maroon\"> ";

class PagePropsTest : public DialogTest<PageProps> {
protected:
    Tolva& w = main();
    PageProps& props() { return *program.loaded<PageProps>(); }
    PageProps& open() { return DialogTest::open("mnupageproperties"); }
    void ok() { click(props().OKButton); }
    void expectNoBody() {
        sp.dialogs.expectMessage(u"The body tag is missing", forms::vbCritical, u"Assistant: Tolva",
                                 forms::vbOK);
    }
};

} // namespace

TEST_F(PagePropsTest, RaisedASecondAfterStartAndByTypingWithoutTheKeyboard) {
    setPage(u"");
    std::vector<Change> changes;
    forms::Subscription watch = program.window<PageProps>().listen([&](Change c) {
        if (c != Change::Caption && c != Change::Geometry) changes.push_back(c);
    });
    sp.clock.advance(1000);
    EXPECT_EQ(changes, std::vector<Change>{Change::Front});
    EXPECT_EQ(program.runtime().focus(), &w.Text1) << "the first keys typed go to the page";

    changes.clear();
    typeChars(w.Text1, u"q");
    EXPECT_NE(std::find(changes.begin(), changes.end(), Change::Front), changes.end());
    EXPECT_EQ(std::find(changes.begin(), changes.end(), Change::Raise), changes.end());

    // A command that opens the window still brings it up to be used.
    changes.clear();
    sp.clock.advance(5000);
    run([&] { program.window<PageProps>().show(); });
    EXPECT_EQ(changes, std::vector<Change>{Change::Raise});
}

TEST_F(PagePropsTest, FirstOkReplacesTheBodyTagWithTheStyleBlockTheHeadEndAndTheDefaults) {
    setPage(u"<html><head></HEAD>\r\n<body bgcolor=white>\r\nhi</body></html>");
    PageProps& p = open();
    run([&] { p.rolypoly.setText(u"<style rolloverstyle>A:hover {x}</style>"); });
    ok();
    // The page ends its head already: no second end, and the block goes in front of it.
    EXPECT_TEXT(u"<html><head><style rolloverstyle>A:hover {x}</style>\r\n</HEAD>\r\n" +
                    String(kBodyDefaults) + u"\r\n\r\n\r\n\r\nhi</body></html>",
                page());
    ASSERT_EQ(program.loaded<PageProps>(), &p) << "hidden, not unloaded";

    // Opened again with its values; a later OK writes only the tag.
    setPage(u"x<body text=\"black\">");
    open();
    run([&] { p.Text1.setText(u"green"); });
    run([&] { p.rolypoly.setText(u"<style rolloverstyle>A:hover {}</style>"); });
    ok();
    EXPECT_TEXT(u"x<body  text=\"green\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                u"alink=\"maroon\"> \r\n\r\n\r\n",
                page());
}

TEST_F(PagePropsTest, TheBodySearchIsExactAndFallsBackToTheHeadEnd) {
    // Written in capitals, the tag is not found; the caret goes after the HEAD end.
    setPage(u"<html></HEAD><BODY bgcolor=white>x");
    expectNoBody();
    PageProps& p = open();
    EXPECT_EQ(w.Text1.selStart(), 13);
    EXPECT_EQ(w.Text1.selLength(), 0);

    run([&] { p.hide(); });
    setPage(u"<html><head><body>");
    expectNoBody();
    sp.dialogs.expectMessage(
        u"Head tag missing. Tolva will not proceed. Add </HEAD> tag and perform this task again.",
        forms::vbOKOnly, u"Tolva", forms::vbOK);
    open();
    EXPECT_FALSE(props().visible()) << "no dialog without a place to write";
}

TEST_F(PagePropsTest, PiecesOfPictureMarginsAndSound) {
    setPage(u"</HEAD><body >");
    PageProps& p = open();
    click(p.Check1);
    sp.dialogs.expectFile(false, u"C:\\pics\\sky.jpg");
    click(p.Command1);

    click(p.Check2); // the watermark
    run([&] {
        p.UpDown1.up();
        p.UpDown1.up();
        p.UpDown2.down(); // at its floor: no change, no piece
    });

    sp.dialogs.expectFile(false, u"C:\\s\\a.wav");
    click(p.Command2);
    run([&] { p.UpDown3.up(); }); // after the source: the loop count stays as it was then

    // Unticking the picture keeps its pieces.
    click(p.Check1);
    ok();
    EXPECT_TEXT(u"</HEAD><body bgproperties=\"fixed\" background=\"C:\\pics\\sky.jpg\"  "
                u"text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" alink=\"maroon\" "
                u"topmargin=\"2\"> \r\n<bgsound src=\"C:\\s\\a.wav\" loop=\"-1\">\r\n\r\n",
                page());
}

TEST_F(PagePropsTest, APageWithoutAHeadEndGetsOneWithTheBlockInFrontOfIt) {
    setPage(u"<html><body >");
    PageProps& p = open();
    run([&] { p.rolypoly.setText(u"<style rolloverstyle>A:hover {y}</style>"); });
    ok();
    EXPECT_TEXT(u"<html><style rolloverstyle>A:hover {y}</style>\r\n</HEAD>\r\n" +
                    String(kBodyDefaults) + u"\r\n\r\n\r\n",
                page());
}

TEST_F(PagePropsTest, TheCloseBoxUnloadsAndTheValuesGo) {
    PageProps& p = open();
    run([&] { p.Text2.setText(u"gray"); });
    ok();
    run([&] { props().userClose(); });
    EXPECT_TEXT(u"white", open().Text2.text());
}

TEST_F(PagePropsTest, AfterTheRolloverThePageKeepsOneHeadEnd) {
    // The rollover dialog writes its block and unloads page properties, which then start
    // again as if for the first time.
    setPage(u"<head>\r\n</HEAD><body >x");
    open();
    ok();
    click(props().btnRollover);
    click(program.window<Rollover>().OKButton);
    ASSERT_EQ(program.loaded<PageProps>(), nullptr);
    open();
    ok();
    String p = page();
    EXPECT_EQ(p.find(u"</HEAD>"), p.rfind(u"</HEAD>")) << show(p);
    EXPECT_EQ(p.find(u"<style rolloverstyle>"), p.rfind(u"<style rolloverstyle>")) << show(p);
}

TEST_F(PagePropsTest, AtStartTheFirstOkRewritesTheHeadEndAndTheBodyLine) {
    String before = page();
    ok();
    String after = page();
    EXPECT_EQ(after.find(u"</HEAD>\r\n" + String(kBodyDefaults) + u"\r\n\r\n\r\n"), 97u)
        << show(after);
    EXPECT_EQ(after.find(u"</HEAD>"), after.rfind(u"</HEAD>"));
    EXPECT_EQ(after.size(), before.size() + 7);
}
