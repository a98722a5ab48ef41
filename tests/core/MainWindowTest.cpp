// The main window's start-up state, status refresh, timers, exit and close box.
#include "core/InitialPage.h"
#include "dialogs/PageProps.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {
const String kUntitled = u"Untitled[]: Tolva -By Quendry";
}

TEST(InitialPageTest, IsTheThirtySevenLinePageByteForByte) {
    String page = initialPage();
    String expected = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
                      u"\t<TITLE>My web page!</TITLE>\r\n</HEAD>\r\n"
                      u"<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                      u"alink=\"maroon\">\r\n";
    expected += String(27 * 2, u'\0');
    for (size_t i = expected.size() - 54; i < expected.size(); i += 2) {
        expected[i] = u'\r';
        expected[i + 1] = u'\n';
    }
    expected += u"</BODY>\r\n</HTML>\r\n\r\n\t\t<!--This page has been created by using Quendry's "
                u"Tolva--> \r\n";
    EXPECT_EQ(show(expected), show(page));
    size_t lines = 0;
    for (size_t i = 0; i + 1 < page.size(); ++i)
        lines += page[i] == u'\r' && page[i + 1] == u'\n';
    EXPECT_EQ(lines, 37u);
}

class MainWindowTest : public ProgramTest {};

TEST_F(MainWindowTest, LoadingInitialisesThePageState) {
    Tolva& w = main();
    EXPECT_TEXT(kUntitled, w.caption());
    EXPECT_TEXT(u"", w.star);
    EXPECT_EQ(w.Text1.selStart(), 97);
    EXPECT_EQ(w.Text1.selLength(), 84);
    EXPECT_TEXT(u"</HEAD>\r\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                u"alink=\"maroon\">",
                w.Text1.selText());
    EXPECT_TEXT(u"Character 97", w.Label1[1].caption());
    EXPECT_TEXT(u"Character 97", w.Label1[0].caption());
    EXPECT_TEXT(u"Number of lines: 38", w.nooflines[1].caption());
    ASSERT_NE(program.loaded<PageProps>(), nullptr);
    EXPECT_TRUE(program.loaded<PageProps>()->visible());
    EXPECT_TEXT(w.Text1.text(), w.attempt.text());
}

TEST_F(MainWindowTest, ChangesKeysAndClicksRefreshTheStatus) {
    Tolva& w = main();
    w.Text1.lineCounter = [] { return 7; };
    run([&] { w.Text1.setSelStart(5); });
    EXPECT_TEXT(u"Character 97", w.Label1[1].caption()) << "moving the caret alone updates nothing";
    run([&] { w.Text1.keyDown(37); });
    EXPECT_TEXT(u"Character 5", w.Label1[1].caption());
    EXPECT_TEXT(u"Number of lines: 7", w.nooflines[1].caption());
    run([&] { w.Text1.setSelStart(9); });
    run([&] { w.Text1.Click(); });
    EXPECT_TEXT(u"Character 9", w.Label1[1].caption());
    run([&] { w.Text1.MouseMove(); });
    EXPECT_TEXT(u"Ready: Tolva-by Quendry", w.helper.text());

    run([&] { w.commandBox.tevcmd.setText(u"tevb"); });
    w.Text1.lineCounter = [] { return 123; };
    typeChars(w.Text1, u"x");
    EXPECT_TEXT(u"*", w.star);
    EXPECT_TEXT(u"Untitled[*]: Tolva -By Quendry", w.caption());
    EXPECT_TEXT(u"Character 10", w.Label1[1].caption());
    EXPECT_TEXT(u"Number of lines: 123", w.nooflines[0].caption());
    EXPECT_TEXT(u"", w.commandBox.tevcmd.text()) << "the command box is emptied";
    w.Text1.lineCounter = nullptr;
    run([&] { w.Text1.setText(u""); });
    run([&] { w.Text1.keyDown(65); });
    EXPECT_TEXT(u"Character 0", w.Label1[1].caption());
    EXPECT_TEXT(u"Number of lines: 1", w.nooflines[1].caption()) << "an empty page has one line";
}

TEST_F(MainWindowTest, SettingTheSameFileNameAgainLeavesTheCaption) {
    Tolva& w = main();
    run([&] { w.setSaveme(u"/tmp/page.html"); });
    run([&] { w.setCaption(u"other"); });
    run([&] { w.setSaveme(u"/tmp/page.html"); });
    EXPECT_TEXT(u"other", w.caption()) << "the same name raises no change";
}

// Each way out on a fresh program, clean and modified.
TEST(MainWindowExitTest, ExitAndTheCloseBoxAskFirstOnlyWhenThePageIsModified) {
    const std::pair<bool, const char16_t*> ways[] = {{true, u"Assistant: Tolva - Reminder to save"},
                                                     {false, u"Reminder to save"}};
    for (auto [byExit, title] : ways) {
        for (bool modified : {false, true}) {
            SCOPED_TRACE(std::string(byExit ? "exit" : "close box") +
                         (modified ? " modified" : ""));
            ScriptedPlatform sp;
            Program program{sp.platform};
            Tolva* w = nullptr;
            auto run = [&](const std::function<void()>& f) { program.runtime().invoke(f); };
            run([&] { w = &program.window<Tolva>(); });
            auto leave = [&] { run([&] { byExit ? w->exit_Click() : w->userClose(); }); };
            if (modified) {
                run([&] { w->Text1.setText(u"z"); });
                String caption = w->caption();
                sp.dialogs.expectMessage(u"Are you sure you want to exit without saving?", 292,
                                         title, forms::vbNo);
                leave();
                EXPECT_FALSE(sp.session.ended);
                ASSERT_NE(program.loaded<Tolva>(), nullptr);
                EXPECT_TEXT(u"z", w->Text1.text());
                EXPECT_TEXT(caption, w->caption());
                EXPECT_TEXT(u"*", w->star);
                sp.dialogs.expectMessage(u"Are you sure you want to exit without saving?", 292,
                                         title, forms::vbYes);
            }
            leave();
            EXPECT_TRUE(sp.session.ended);
        }
    }
}

TEST_F(MainWindowTest, TheMenuTreeIsBuiltAndAutosaveTogglesItsTimer) {
    Tolva& w = main();
    EXPECT_EQ(w.menuBar.size(), 8u);
    EXPECT_TEXT(u"&File", w.menuBar[0]->caption());
    EXPECT_EQ(w.menu("mnusmartselect").shortcut(), "Ctrl+F12");
    EXPECT_EQ(w.menu("mnucrestore1").parent()->name(), "mnucrestore");
    EXPECT_TRUE(w.menu("mnudashh").separator());

    run([&] { w.mnuautosave.click(); });
    EXPECT_TRUE(w.mnuautosave.checked());
    EXPECT_TRUE(w.Timer1.enabled());
    run([&] { w.mnuautosave.click(); });
    EXPECT_FALSE(w.mnuautosave.checked());
    EXPECT_FALSE(w.Timer1.enabled());

    run([&] { w.menu("about").click(); });
    EXPECT_NE(program.loaded<About>(), nullptr);
}
