// The main window's start-up state, status refresh and close box.
#include "dialogs/PageProps.h"
#include "support/ProgramTest.h"

using namespace testing_support;

class MainWindowTest : public ProgramTest {};

TEST_F(MainWindowTest, LoadingSelectsTheBodyTagAndTheStatusFollowsKeysClicksAndChanges) {
    Tolva& w = main();
    EXPECT_TEXT(u"</HEAD>\r\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                u"alink=\"maroon\">",
                w.Text1.selText());
    EXPECT_TEXT(u"Number of lines: 38", w.nooflines[1].caption());
    EXPECT_TRUE(program.loaded<PageProps>() && program.loaded<PageProps>()->visible());

    w.Text1.lineCounter = [] { return 7; };
    run([&] { w.Text1.setSelStart(5); });
    EXPECT_TEXT(u"Character 97", w.Label1[1].caption()) << "moving the caret alone updates nothing";
    run([&] { w.Text1.keyDown(37); });
    EXPECT_TEXT(u"Character 5", w.Label1[1].caption());
    EXPECT_TEXT(u"Number of lines: 7", w.nooflines[1].caption());
    run([&] { w.Text1.setSelStart(9); });
    run([&] { w.Text1.Click(); });
    EXPECT_TEXT(u"Character 9", w.Label1[1].caption());

    typeChars(w.Text1, u"x");
    EXPECT_TEXT(u"Untitled[*]: Tolva -By Quendry", w.caption());
    EXPECT_TEXT(u"Character 10", w.Label1[1].caption());
    w.Text1.lineCounter = nullptr;
    run([&] { w.Text1.setText(u""); });
    run([&] { w.Text1.keyDown(65); });
    EXPECT_TEXT(u"Number of lines: 1", w.nooflines[1].caption()) << "an empty page has one line";

    run([&] { w.page.setSaveme(u"/tmp/page.html"); });
    run([&] { w.setCaption(u"other"); });
    run([&] { w.page.setSaveme(u"/tmp/page.html"); });
    EXPECT_TEXT(u"other", w.caption()) << "the same file name again raises no change";
}

// A modified page's questions: RecoveryTest (Exit) and MainWindowViewTest (the close box).
TEST_F(MainWindowTest, TheCloseBoxOfACleanPageAsksNothing) {
    run([&] { main().userClose(); });
    EXPECT_TRUE(sp.session.ended);
}
