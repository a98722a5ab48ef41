// The main window's start-up state, status refresh, exit and close box.
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
            // Copied: clang-tidy's parser (clang 14) cannot capture a structured binding.
            auto leave = [&, byExit = byExit] {
                run([&] { byExit ? w->exit_Click() : w->userClose(); });
            };
            if (modified) {
                run([&] { w->Text1.setText(u"z"); });
                for (int answer : {forms::vbNo, forms::vbYes})
                    sp.dialogs.expectMessage(u"Are you sure you want to exit without saving?", 292,
                                             title, answer);
                leave();
                EXPECT_FALSE(sp.session.ended);
                EXPECT_TEXT(u"z", w->Text1.text());
            }
            leave();
            EXPECT_TRUE(sp.session.ended);
        }
    }
}
