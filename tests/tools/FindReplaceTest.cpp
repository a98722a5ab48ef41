// Find and replace: the window's searches and histories, replace, replace all, and F3 with
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

TEST_F(FindReplaceTest, DownStartsAtTheCaretAndWrapsAfterSearchComplete) {
    setPage(u"cat dog cat dog cat", 10);
    openWith(u"cat");
    EXPECT_TEXT(u"Find : Tolva", f().caption());
    findNext();
    expectFound(16, u"cat");
    EXPECT_FALSE(f().visible()) << "the find-only form steps aside for F3";
    expectMessage(u"Search complete");
    findNext();
    findNext();
    expectFound(0, u"cat");
    EXPECT_EQ(f().txtfind.list().items(), (std::vector<String>(3, u"cat")));
}

TEST_F(FindReplaceTest, UpSearchesBeforeTheCaretAndMatchCaseDecides) {
    setPage(u"Cat dog cat dog", 0);
    openWith(u"CAT");
    run([&] { f().up.click(); });
    expectMessage(u"Search complete");
    findNext();
    run([&] { w.Text1.setSelStart(15); });
    findNext();
    expectFound(8, u"cat");
    findNext();
    expectFound(0, u"Cat");
    run([&] {
        f().casematch.click();
        w.Text1.setSelStart(15);
    });
    expectMessage(u"Search complete");
    findNext();
}

TEST_F(FindReplaceTest, ReplaceFormAndItsButtons) {
    setPage(u"one cat, two cat", 0);
    run([&] { w.mnuReplace_Click(); });
    EXPECT_TEXT(u"Replace", f().caption());
    EXPECT_FALSE(f().lblreplink.visible());
    EXPECT_TRUE(f().FrameRep.visible());
    EXPECT_TRUE(f().txtReplace.enabled());
    EXPECT_EQ(f().height(), 1755);
    EXPECT_FALSE(f().btnReplace.enabled());
    run([&] { f().txtfind.userEdit(u"cat"); });
    EXPECT_TRUE(f().btnReplace.enabled());
    run([&] { f().txtReplace.userEdit(u"dog"); });

    findNext();
    EXPECT_TRUE(f().visible()) << "the expanded form stays in front";
    run([&] { f().btnReplace.click(); });
    EXPECT_TEXT(u"one dog, two cat", w.Text1.text());
    expectFound(13, u"cat");
    expectMessage(u"Search complete");
    run([&] { f().btnReplace.click(); });
    EXPECT_TEXT(u"one dog, two dog", w.Text1.text());
    expectMessage(u"Search Complete"); // no current match now
    run([&] { f().btnReplace.click(); });
    EXPECT_EQ(f().txtReplace.list().items(), (std::vector<String>(3, u"dog")));

    run([&] { f().txtfind.userEdit(u""); });
    EXPECT_FALSE(f().btnReplaceAll.enabled());
}

TEST_F(FindReplaceTest, ReplaceAllKeepsEveryOtherLetter) {
    setPage(u"Cat, CAT and cat: CONCATenate, aaaa", 0);
    run([&] { w.mnuReplace_Click(); });
    auto replaceAll = [&](forms::StringView from, forms::StringView to) {
        run([&] {
            f().txtfind.userEdit(from);
            f().txtReplace.userEdit(to);
            f().btnReplaceAll.click();
        });
    };
    replaceAll(u"cat", u"dog");
    EXPECT_TEXT(u"dog, dog and dog: CONdogenate, aaaa", w.Text1.text());
    EXPECT_FALSE(f().visible());
    run([&] { f().casematch.setValue(1); });
    replaceAll(u"aa", u"A");
    EXPECT_TEXT(u"dog, dog and dog: CONdogenate, AA", w.Text1.text());
}

TEST_F(FindReplaceTest, FindNextKeepsItsOwnPosition) {
    setPage(u"ab ab ab", 0);
    f3(); // no search text yet: nothing happens
    EXPECT_EQ(w.Text1.selLength(), 0);
    openWith(u"ab");
    findNext();
    findNext();
    expectFound(3, u"ab");
    f3(); // from where Ctrl+F left it, not from the window's match
    expectFound(0, u"ab");
    f3();
    f3();
    expectFound(6, u"ab");
    expectMessage(u"search complete");
    f3();
    EXPECT_TEXT(u"0", w.varfinder);
    findNext();
    expectFound(6, u"ab");
}

TEST_F(FindReplaceTest, FindNextSelectsTheTextItSearchedFor) {
    setPage(u"the word, the other word", 0, 4);
    run([&] { w.mnufind_Click(); });
    run([&] { f().txtfind.setText(u"word"); });
    f3(); // the window never searched
    expectFound(4, u"word");
    findNext();
    run([&] { f().txtfind.setText(u"other"); });
    f3();
    expectFound(14, u"other");
}

TEST_F(FindReplaceTest, LongPagesAreSearchedWhole) {
    String needle(1200, u'q');
    setPage(u"ab" + needle, 0);
    openWith(needle);
    findNext();
    EXPECT_EQ(w.Text1.selLength(), 1000) << "a found search text is selected up to 1000";

    setPage(String(40000, u'-') + u"Needle" + String(40000, u'-') + u"needle", 0);
    openWith(u"NEEDLE");
    findNext();
    expectFound(40000, u"Needle");
    findNext();
    expectFound(80006, u"needle");
    run([&] { f().up.click(); });
    findNext();
    expectFound(40000, u"Needle");
    run([&] { w.Text1.setSelStart(86000); });
    f3();
    expectFound(80006, u"needle");
}
