// Find and replace: the window's searches and histories, replace, replace all, and F3 with
// its own position, on short and long pages.
#include "tools/FindReplace.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

class FindReplaceTest : public ProgramTest {
protected:
    Tolva& w = main();
    FindReplace& find() { return program.findreplace(); }
    // Ctrl+F, then the search text typed into the window.
    void openWith(forms::StringView text) {
        run([&] { w.menu("mnufind").click(); });
        run([&] { find().txtfind.userEdit(text); });
    }
    void findNext() {
        run([&] { find().btnfind.click(); });
    }
    void expectFound(int32_t at, forms::StringView text) {
        EXPECT_EQ(w.Text1.selStart(), at);
        EXPECT_TEXT(text, w.Text1.selText());
    }
    void expectSearchComplete(forms::StringView prompt = u"Search complete") {
        sp.dialogs.expectMessage(prompt, forms::vbOKOnly, u"Tolva", forms::vbOK);
    }
};

TEST_F(FindReplaceTest, FirstSearchStartsAtTheCaretAndGoesDown) {
    setPage(u"cat dog cat dog cat", 10);
    openWith(u"cat");
    EXPECT_TRUE(find().visible());
    EXPECT_TEXT(u"Find : Tolva", find().caption());
    findNext();
    expectFound(16, u"cat");
    EXPECT_FALSE(find().visible()) << "the find-only form steps aside for F3";
    EXPECT_TEXT(u"3", find().lengthofwrd.text());

    expectSearchComplete();
    findNext();
    EXPECT_FALSE(find().visible());
    // Nothing found leaves the position at 0: the next search starts at the top.
    findNext();
    expectFound(0, u"cat");
    findNext();
    expectFound(8, u"cat");
}

TEST_F(FindReplaceTest, UpSearchesBeforeTheCaret) {
    setPage(u"cat dog cat dog", 0);
    openWith(u"cat");
    run([&] { find().up.click(); });
    expectSearchComplete();
    findNext();
    EXPECT_EQ(w.Text1.selStart(), 0);

    run([&] { w.Text1.setSelStart(15); });
    findNext();
    expectFound(8, u"cat");
    findNext();
    expectFound(0, u"cat");
    expectSearchComplete();
    findNext();
}

TEST_F(FindReplaceTest, MatchCaseDecidesWhetherLettersMustAgree) {
    setPage(u"Cat CAT cat", 0);
    openWith(u"cAt");
    findNext();
    expectFound(0, u"Cat");
    run([&] {
        find().casematch.click();
        find().txtfind.userEdit(u"cat");
    });
    findNext();
    expectFound(8, u"cat");
}

TEST_F(FindReplaceTest, SearchedTextsGoIntoTheHistoryEveryTime) {
    setPage(u"a b a b", 0);
    openWith(u"a");
    findNext();
    findNext();
    run([&] { find().txtfind.userEdit(u"b"); });
    findNext();
    EXPECT_EQ(find().txtfind.list().items(), (std::vector<String>{u"a", u"a", u"b"}));
}

TEST_F(FindReplaceTest, ReplaceButtonsFollowTheSearchText) {
    setPage(u"x", 0);
    run([&] { w.mnuReplace_Click(); });
    FindReplace& f = find();
    EXPECT_FALSE(f.btnReplace.enabled());
    EXPECT_TEXT(u"Replace", f.caption());
    EXPECT_FALSE(f.lblreplink.visible());
    EXPECT_TRUE(f.FrameRep.visible());
    EXPECT_TRUE(f.txtReplace.enabled());
    EXPECT_EQ(f.height(), 1755);
    run([&] { f.txtfind.userEdit(u"x"); });
    EXPECT_TRUE(f.btnReplace.enabled());
    EXPECT_TRUE(f.btnReplaceAll.enabled());
    run([&] { f.txtfind.userEdit(u""); });
    EXPECT_FALSE(f.btnReplace.enabled());
    EXPECT_FALSE(f.btnReplaceAll.enabled());
}

TEST_F(FindReplaceTest, ReplaceChangesTheMatchAndFindsTheNext) {
    setPage(u"one cat, two cat", 0);
    openWith(u"cat");
    run([&] { find().lblreplink.Click(); });
    run([&] { find().txtReplace.userEdit(u"dog"); });
    findNext();
    EXPECT_TRUE(find().visible()) << "the expanded form stays in front";
    run([&] { find().btnReplace.click(); });
    EXPECT_TEXT(u"one dog, two cat", w.Text1.text());
    expectFound(13, u"cat");
    expectSearchComplete();
    run([&] { find().btnReplace.click(); });
    EXPECT_TEXT(u"one dog, two dog", w.Text1.text());
    EXPECT_EQ(find().txtReplace.list().items(), (std::vector<String>{u"dog", u"dog"}));

    // No current match now.
    sp.dialogs.expectMessage(u"Search Complete", forms::vbOKOnly, u"Tolva", forms::vbOK);
    run([&] { find().btnReplace.click(); });
    EXPECT_TEXT(u"one dog, two dog", w.Text1.text());
}

TEST_F(FindReplaceTest, ReplaceAllIgnoringCaseKeepsEveryOtherLetter) {
    setPage(u"Cat, CAT and cat: CONCATenate Cathy", 0);
    run([&] { w.mnuReplace_Click(); });
    run([&] {
        find().txtfind.userEdit(u"cat");
        find().txtReplace.userEdit(u"dog");
        find().btnReplaceAll.click();
    });
    EXPECT_TEXT(u"dog, dog and dog: CONdogenate doghy", w.Text1.text());
    EXPECT_EQ(w.Text1.selStart(), 0);
    EXPECT_FALSE(find().visible());

    setPage(u"Cat, CAT and cat, aaaa", 0);
    run([&] {
        find().casematch.setValue(1);
        find().btnReplaceAll.click();
    });
    EXPECT_TEXT(u"Cat, CAT and dog, aaaa", w.Text1.text());
    run([&] {
        find().txtfind.userEdit(u"aa");
        find().txtReplace.userEdit(u"a");
        find().btnReplaceAll.click();
    });
    EXPECT_TEXT(u"Cat, CAT and dog, aa", w.Text1.text()) << "no overlaps, left to right";
}

TEST_F(FindReplaceTest, FindNextKeepsItsOwnPosition) {
    setPage(u"ab ab ab ab", 0);
    run([&] { w.menu("mnufindnext").click(); }); // no search text yet: nothing happens
    EXPECT_EQ(w.Text1.selLength(), 0);

    openWith(u"ab");
    findNext();
    findNext();
    expectFound(3, u"ab");
    // F3 goes on from where Ctrl+F left it (the caret then), not from the window's match.
    run([&] { w.mnufindnext_Click(); });
    expectFound(0, u"ab");
    EXPECT_TEXT(u"1", w.varfinder);
    run([&] { w.mnufindnext_Click(); });
    expectFound(3, u"ab");
    run([&] { w.mnufindnext_Click(); });
    run([&] { w.mnufindnext_Click(); });
    expectFound(9, u"ab");
    expectSearchComplete(u"search complete");
    run([&] { w.mnufindnext_Click(); });
    EXPECT_TEXT(u"0", w.varfinder);
    findNext();
    expectFound(6, u"ab"); // the window kept its position
}

TEST_F(FindReplaceTest, FindNextBeforeTheWindowSearchedSelectsTheSearchText) {
    setPage(u"the word, the other word", 0, 4);
    run([&] { w.mnufind_Click(); });
    run([&] { find().txtfind.setText(u"word"); });
    run([&] { w.mnufindnext_Click(); });
    expectFound(4, u"word");

    // A search text changed since the window's last search selects its own length.
    run([&] { find().btnfind.click(); });
    run([&] { find().txtfind.userEdit(u"other"); });
    run([&] { w.mnufindnext_Click(); });
    expectFound(14, u"other");
}

TEST_F(FindReplaceTest, FindNextUpSearchesBeforeTheCaret) {
    setPage(u"x1 x2 x3", 8);
    openWith(u"x");
    run([&] { find().up.click(); });
    run([&] { w.mnufindnext_Click(); });
    expectFound(6, u"x");
    run([&] { w.mnufindnext_Click(); });
    expectFound(3, u"x");
}

TEST_F(FindReplaceTest, EnterInTheSearchFieldRunsFindNext) {
    setPage(u"abc abc", 1);
    openWith(u"abc");
    run([&] {
        find().txtfind.setFocus();
        find().txtfind.type(13);
    });
    expectFound(4, u"abc");
    EXPECT_TEXT(u"abc", find().txtfind.text());
}

TEST_F(FindReplaceTest, LongPagesAreSearchedWhole) {
    String page(40000, u'-');
    page += u"Needle";
    page += String(40000, u'-');
    page += u"needle";
    setPage(page, 0);
    openWith(u"NEEDLE");
    findNext();
    expectFound(40000, u"Needle");
    findNext();
    expectFound(80006, u"needle");
    run([&] {
        find().up.click();
        w.Text1.setSelStart(80006);
    });
    findNext();
    expectFound(40000, u"Needle");
    run([&] {
        find().down.click();
        w.mnufindnext_Click();
    });
    expectFound(40000, u"Needle");
}

TEST_F(FindReplaceTest, LongSearchTextSelectsAtMostAThousandCharacters) {
    String needle(1200, u'q');
    setPage(u"ab" + needle, 0);
    openWith(needle);
    findNext();
    EXPECT_EQ(w.Text1.selStart(), 2);
    EXPECT_EQ(w.Text1.selLength(), 1000);
}

TEST(PageSearchTest, CaseInsensitiveSearchFoldsBothSides) {
    ScriptedPlatform sp;
    forms::Runtime rt{sp.platform};
    forms::Form form{rt, "f"};
    forms::TextBox box{form, "t"};
    box.setText(u"ÀBC àbc abc");
    EXPECT_EQ(findText(box, u"àbc", 0, false), 0);
    EXPECT_EQ(findText(box, u"àbc", 1, false), 4);
    EXPECT_EQ(findText(box, u"àbc", 1, true), 4);
    EXPECT_EQ(findTextBack(box, u"ÀBC", 11, false), 4);
    EXPECT_EQ(findTextBack(box, u"ÀBC", 3, false), 0);
    EXPECT_EQ(findTextBack(box, u"ÀBC", 2, false), -1);
    EXPECT_EQ(findText(box, u"abcd", 0, false), -1);
    EXPECT_TEXT(u"x x abc", replaceAllText(box, u"àbc", u"x", false));
}
