// Find and replace: the window's searches down and up, replace, replace all, and F3 with
// its own position, on short and long pages.
#include "tools/FindReplace.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

class FindReplaceTest : public ProgramTest {
protected:
    Tolva& w = main();
    FindReplace& f() { return program.window<FindReplace>(); }
    // Ctrl+F, then the search text typed into the window.
    void openWith(forms::StringView text) {
        run([&] { w.menu("mnufind").click(); });
        run([&] { f().txtfind.userEdit(text); });
    }
    void findNext() {
        run([&] { f().btnfind.click(); });
    }
    void f3() {
        run([&] { w.menu("mnufindnext").click(); });
    }
    void expectFound(int32_t at, forms::StringView text) {
        EXPECT_EQ(w.Text1.selStart(), at);
        EXPECT_TEXT(text, w.Text1.selText());
    }
    void expectMessage(forms::StringView prompt) {
        sp.dialogs.expectMessage(prompt, forms::vbOKOnly, u"Tolva", forms::vbOK);
    }
};

TEST_F(FindReplaceTest, ReplaceGoesToTheNextMatchAndReplaceAllKeepsEveryOtherLetter) {
    setPage(u"one cat, two cat", 0);
    run([&] { mnuReplace_Click(w.page); });
    run([&] {
        f().txtfind.userEdit(u"cat");
        f().txtReplace.userEdit(u"dog");
    });
    findNext();
    run([&] { f().btnReplace.click(); });
    EXPECT_TEXT(u"one dog, two cat", w.Text1.text());
    expectFound(13, u"cat");

    setPage(u"Cat, CAT and cat: CONCATenate, aaaa", 0);
    run([&] { f().btnReplaceAll.click(); });
    EXPECT_TEXT(u"dog, dog and dog: CONdogenate, aaaa", w.Text1.text());
    run([&] {
        f().casematch.setValue(1);
        f().txtfind.userEdit(u"aa");
        f().txtReplace.userEdit(u"A");
        f().btnReplaceAll.click();
    });
    EXPECT_TEXT(u"dog, dog and dog: CONdogenate, AA", w.Text1.text());
}

TEST_F(FindReplaceTest, FindNextKeepsItsOwnPositionAndSelectsWhatItSearchedFor) {
    setPage(u"ab ab ab", 0);
    f3(); // no search text yet: nothing happens
    openWith(u"ab");
    findNext();
    findNext();
    f3(); // from where Ctrl+F left it, not from the window's match
    expectFound(0, u"ab");
    run([&] { f().txtfind.setText(u"b a"); });
    f3();
    expectFound(1, u"b a");
}

TEST_F(FindReplaceTest, DownStartsAtTheCaretAndWrapsUpSearchesBeforeItAlsoOnLongPages) {
    setPage(String(40000, u'-') + u"Needle" + String(40000, u'-') + u"needle", 40001);
    openWith(u"NEEDLE");
    findNext();
    expectFound(80006, u"needle");
    EXPECT_FALSE(f().visible()) << "the find-only form steps aside for F3";
    expectMessage(u"Search complete");
    findNext();
    findNext();
    expectFound(40000, u"Needle");
    run([&] {
        f().up.click();
        w.Text1.setSelStart(86000);
    });
    findNext();
    expectFound(80006, u"needle");
    run([&] { f().casematch.click(); });
    expectMessage(u"Search complete");
    findNext();
}
