// The page-properties dialog: raised by the main window without the keyboard, the opener's
// body search, the tag it builds, its pieces, and hide versus unload.
#include "dialogs/PageProps.h"
#include "commands/Commands.h"
#include "core/Texts.h"
#include "dialogs/Rollover.h"
#include "support/ProgramTest.h"

#include <algorithm>
#include <vector>

using namespace testing_support;
using forms::String;
using Change = forms::Form::Change;

class PagePropsTest : public ProgramTest {
protected:
    Tolva& w = main();
    std::vector<Change> changes;
    forms::Subscription watch;
    void record() {
        watch = program.window<PageProps>().listen([this](Change c) {
            if (c != Change::Caption && c != Change::Geometry) changes.push_back(c);
        });
    }
};

TEST_F(PagePropsTest, RaisedOnceASecondAfterStartAndByClicksAndTypingWithoutTheKeyboard) {
    setPage(u"");
    record();
    sp.clock.advance(999);
    EXPECT_TRUE(changes.empty());
    sp.clock.advance(1);
    EXPECT_EQ(changes, std::vector<Change>{Change::Front});
    EXPECT_FALSE(w.Timer3.enabled());
    EXPECT_TRUE(program.window<PageProps>().visible());
    EXPECT_EQ(program.runtime().focus(), &w.Text1) << "the first keys typed go to the page";

    changes.clear();
    run([&] { w.Text1.Click(); });
    run([&] { w.Form_Click(); });
    EXPECT_EQ(changes, (std::vector<Change>{Change::Front, Change::Front}));
    changes.clear();
    typeChars(w.Text1, u"q");
    EXPECT_NE(std::find(changes.begin(), changes.end(), Change::Front), changes.end());
    EXPECT_EQ(std::find(changes.begin(), changes.end(), Change::Raise), changes.end());
    EXPECT_EQ(program.runtime().focus(), &w.Text1);

    // A command that opens the window still brings it up to be used.
    changes.clear();
    sp.clock.advance(5000);
    run([&] { program.window<PageProps>().show(); });
    EXPECT_EQ(changes, std::vector<Change>{Change::Raise});
}

namespace {

constexpr char16_t kBodyDefaults[] =
    u"<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" alink=\"maroon\"> ";

class PagePropsDialogTest : public ProgramTest {
protected:
    Tolva& w = main();
    PageProps& props() { return *program.loaded<PageProps>(); }
    PageProps& open() {
        run([&] { commands::run(w, "mnupageproperties"); });
        return props();
    }
    void ok() {
        run([&] { props().OKButton.click(); });
    }
    String page() { return w.Text1.text(); }
};

} // namespace

TEST_F(PagePropsDialogTest, FirstOkReplacesTheBodyTagWithTheStyleBlockTheHeadEndAndTheDefaults) {
    setPage(u"<html><head></HEAD>\r\n<body bgcolor=white>\r\nhi</body></html>");
    PageProps& p = open();
    EXPECT_TEXT(u"<body bgcolor=white>", w.Text1.selText());
    EXPECT_TRUE(p.visible());
    EXPECT_TEXT(u"Page Properties: Tolva", p.caption());
    EXPECT_TEXT(u"The default colour of  text", p.Text1.toolTip());
    EXPECT_TEXT(u"black", p.Combo2.text());
    EXPECT_TEXT(u"-1", p.Text10.text());
    EXPECT_FALSE(p.Text6.enabled());
    EXPECT_FALSE(p.Check2.enabled());
    EXPECT_FALSE(p.Command1.enabled());
    run([&] { p.rolypoly.setText(u"<style rolloverstyle>A:hover {x}</style>"); });
    ok();
    // The page ends its head already: no second end, and the block goes in front of it.
    EXPECT_TEXT(u"<html><head><style rolloverstyle>A:hover {x}</style>\r\n</HEAD>\r\n" +
                    String(kBodyDefaults) + u"\r\n\r\n\r\n\r\nhi</body></html>",
                page());
    ASSERT_EQ(program.loaded<PageProps>(), &p) << "hidden, not unloaded";
    EXPECT_FALSE(p.visible());
    EXPECT_TEXT(u"False", p.firsttime.text());

    // The same instance opens again with its values; a later OK writes only the tag.
    setPage(u"x<body text=\"black\">");
    open();
    EXPECT_EQ(&props(), &p);
    run([&] { p.Text1.setText(u"green"); });
    run([&] { p.rolypoly.setText(u"<style rolloverstyle>A:hover {}</style>"); });
    // A colour dropped on a box is the chosen one; vlink takes the active link box.
    run([&] { p.Combo2.setListIndex(p.Combo2.list().find(u"teal")); });
    run([&] { p.colour_OLEDragDrop(p.Text4); });
    run([&] { p.Combo2.setListIndex(p.Combo2.list().find(u"navy")); });
    run([&] { p.colour_OLEDragDrop(p.Text5); });
    EXPECT_TEXT(u"teal", p.Text4.text());
    ok();
    EXPECT_TEXT(u"x<body  text=\"green\" bgcolor=\"white\" link=\"blue\" vlink=\"teal\" "
                u"alink=\"navy\"> \r\n\r\n\r\n",
                page());
}

TEST_F(PagePropsDialogTest, TheBodySearchIsExactAndFallsBackToTheHeadEnd) {
    // Written in capitals, the tag is not found; the caret goes after the HEAD end.
    setPage(u"<html></HEAD><BODY bgcolor=white>x");
    sp.dialogs.expectMessage(u"The body tag is missing", forms::vbCritical, u"Assistant: Tolva",
                             forms::vbOK);
    PageProps& p = open();
    EXPECT_EQ(w.Text1.selStart(), 13);
    EXPECT_EQ(w.Text1.selLength(), 0);
    EXPECT_TRUE(p.visible());

    run([&] { p.hide(); });
    setPage(u"<html><head><body>");
    sp.dialogs.expectMessage(u"The body tag is missing", forms::vbCritical, u"Assistant: Tolva",
                             forms::vbOK);
    sp.dialogs.expectMessage(
        u"Head tag missing. Tolva will not proceed. Add </HEAD> tag and perform this task again.",
        forms::vbOKOnly, u"Tolva", forms::vbOK);
    open();
    EXPECT_FALSE(props().visible()) << "no dialog without a place to write";
    EXPECT_TRUE(sp.dialogs.done());

    // Far into a long page.
    setPage(String(40000, u'x') + u"<body bgcolor=red>");
    open();
    EXPECT_EQ(w.Text1.selStart(), 40000);
    EXPECT_EQ(w.Text1.selLength(), 18);
}

TEST_F(PagePropsDialogTest, PiecesOfPictureMarginsAndSound) {
    setPage(u"</HEAD><body >");
    PageProps& p = open();
    run([&] { p.Check1.click(); });
    EXPECT_TRUE(p.Text6.enabled() && p.Check2.enabled() && p.Command1.enabled());

    sp.dialogs.expectFile(false, std::nullopt);
    run([&] { p.Command1.click(); });
    EXPECT_TEXT(u"Choose background image", sp.dialogs.lastFileRequest.title);
    EXPECT_TEXT(u"*.jpg", sp.dialogs.lastFileRequest.fileName);
    EXPECT_TEXT(u"", p.Text6.text());
    EXPECT_TEXT(u"", p.background);
    sp.dialogs.expectFile(false, u"C:\\pics\\sky.jpg");
    run([&] { p.Command1.click(); });

    // Watermark ticked and unticked leaves nothing; ticked again it stays.
    run([&] { p.Check2.click(); });
    run([&] { p.Check2.click(); });
    EXPECT_TEXT(u"", p.watermark);
    run([&] { p.Check2.click(); });

    run([&] {
        p.UpDown1.up();
        p.UpDown1.up();
        p.UpDown2.down(); // at its floor: no change, no piece
    });

    sp.dialogs.expectFile(false, u"C:\\s\\a.wav");
    run([&] { p.Command2.click(); });
    EXPECT_TEXT(u"Insert Background Sound", sp.dialogs.lastFileRequest.title);
    EXPECT_TEXT(u"*.wav", sp.dialogs.lastFileRequest.fileName);
    // The loop count of the moment the source was chosen.
    run([&] { p.UpDown3.up(); });
    EXPECT_TEXT(u"0", p.Text10.text());
    EXPECT_TEXT(u"Set the number of loops. -1 is for infinite loop", p.StatusBar1.text());
    run([&] { p.UpDown3.down(); });
    run([&] { p.UpDown3.down(); });
    EXPECT_TEXT(u"-1", p.Text10.text()) << "the loop count stops at -1";

    // Unticking the picture keeps its pieces.
    run([&] { p.Check1.click(); });
    EXPECT_FALSE(p.Text6.enabled());
    ok();
    EXPECT_TEXT(u"</HEAD><body bgproperties=\"fixed\" background=\"C:\\pics\\sky.jpg\"  "
                u"text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" alink=\"maroon\" "
                u"topmargin=\"2\"> \r\n<bgsound src=\"C:\\s\\a.wav\" loop=\"-1\">\r\n\r\n",
                page());
}

TEST_F(PagePropsDialogTest, APageWithoutAHeadEndGetsOneWithTheBlockInFrontOfIt) {
    setPage(u"<html><body >");
    PageProps& p = open();
    run([&] { p.rolypoly.setText(u"<style rolloverstyle>A:hover {y}</style>"); });
    ok();
    EXPECT_TEXT(u"<html><style rolloverstyle>A:hover {y}</style>\r\n</HEAD>\r\n" +
                    String(kBodyDefaults) + u"\r\n\r\n\r\n",
                page());
}

TEST_F(PagePropsDialogTest, CloseBoxUnloadsAndNewStartsTheFirstTimeAgain) {
    setPage(u"</HEAD><body >");
    PageProps& p = open();
    run([&] { p.Text2.setText(u"gray"); });
    ok();
    EXPECT_TEXT(u"False", p.firsttime.text());
    sp.dialogs.expectMessage(u"File not saved. Proceed?", Messages::yesNoSafe,
                             u"Assistant: Tolva - Reminder to save", forms::vbYes);
    run([&] { w.new_Click(); });
    EXPECT_TEXT(u"True", props().firsttime.text());
    EXPECT_TEXT(u"gray", props().Text2.text()) << "New keeps the values";

    run([&] { props().userClose(); });
    EXPECT_EQ(program.loaded<PageProps>(), nullptr);
    setPage(u"</HEAD><body >");
    PageProps& again = open();
    EXPECT_TEXT(u"white", again.Text2.text());
    EXPECT_TEXT(u"True", again.firsttime.text());
    EXPECT_TEXT(u"", again.sound);
}

TEST_F(PagePropsDialogTest, AfterTheRolloverThePageKeepsOneHeadEnd) {
    // The rollover dialog writes its block and unloads page properties, which then start
    // again as if for the first time.
    setPage(u"<head>\r\n</HEAD><body >x");
    open();
    ok();
    run([&] { props().btnRollover.click(); });
    run([&] { program.window<Rollover>().OKButton.click(); });
    ASSERT_EQ(program.loaded<PageProps>(), nullptr);
    open();
    ok();
    String p = page();
    EXPECT_EQ(p.find(u"</HEAD>"), p.rfind(u"</HEAD>")) << show(p);
    EXPECT_EQ(p.find(u"<style rolloverstyle>"), p.rfind(u"<style rolloverstyle>")) << show(p);
}

TEST_F(PagePropsDialogTest, AtStartTheFirstOkRewritesTheHeadEndAndTheBodyLine) {
    // The start selects from the head end to the end of the body line, head end included.
    String before = page();
    EXPECT_TEXT(u"</HEAD>\r\n" + String(kBodyDefaults).substr(0, 75), w.Text1.selText());
    ok();
    String after = page();
    EXPECT_EQ(after.find(u"</HEAD>\r\n" + String(kBodyDefaults) + u"\r\n\r\n\r\n"), 97u)
        << show(after);
    EXPECT_EQ(after.find(u"</HEAD>"), after.rfind(u"</HEAD>"));
    EXPECT_EQ(after.size(), before.size() + 7);
}
