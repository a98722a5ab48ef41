// Copy, cut, paste, select all, and the temporary clipboard in both of its windows.
#include "core/TempClip.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {
std::vector<String> itemsOf(const forms::ItemList& l) {
    return l.items();
}
} // namespace

class ClipboardTest : public ProgramTest {
protected:
    Tolva& w = main();
    int changes = 0;
    void countChanges() {
        auto inner = w.Text1.Change;
        w.Text1.Change = [this, inner] {
            ++changes;
            inner();
        };
    }
    TempClip& master() { return program.tempclip(); }
    void expectLists(std::vector<String> expected) {
        EXPECT_EQ(itemsOf(w.tmpcmb.list()), expected);
        EXPECT_EQ(itemsOf(master().tmpcmb.list()), expected);
    }
};

TEST_F(ClipboardTest, CopyAndCutWithoutSelectionLeaveTheClipboardAlone) {
    sp.clipboard.setText(u"kept");
    setPage(u"abcdef", 2);
    run([&] { w.menu("mnucopy").click(); });
    run([&] { w.menu("mnucut").click(); });
    EXPECT_TEXT(u"kept", sp.clipboard.text());
    EXPECT_TEXT(u"abcdef", w.Text1.text());
}

TEST_F(ClipboardTest, CopyCutAndPasteGoThroughThePlatformClipboard) {
    setPage(u"abcdef", 1, 2);
    run([&] { w.mnucopy_Click(); });
    EXPECT_TEXT(u"bc", sp.clipboard.text());
    EXPECT_TEXT(u"abcdef", w.Text1.text());
    run([&] {
        w.Text1.setSelStart(3);
        w.Text1.setSelLength(3);
        w.mnucut_Click();
    });
    EXPECT_TEXT(u"def", sp.clipboard.text());
    EXPECT_TEXT(u"abc", w.Text1.text());
    run([&] {
        w.Text1.setSelStart(0);
        w.Text1.setSelLength(1);
        w.mnupaste_Click();
    });
    EXPECT_TEXT(u"defbc", w.Text1.text());
    EXPECT_EQ(w.Text1.selStart(), 3);

    sp.clipboard.clear();
    run([&] {
        w.Text1.setSelStart(0);
        w.Text1.setSelLength(3);
        w.mnupaste_Click();
    });
    EXPECT_TEXT(u"bc", w.Text1.text()) << "an empty clipboard deletes the selection";
}

TEST_F(ClipboardTest, SelectAllSelectsTheWholeOfALongPage) {
    setPage(String(70000, u'x'), 5);
    run([&] { w.menu("mnuselectall").click(); });
    EXPECT_EQ(w.Text1.selStart(), 0);
    EXPECT_EQ(w.Text1.selLength(), 70000);
}

TEST_F(ClipboardTest, SnippetsJoinBothListsInOrderEvenWhenEmpty) {
    setPage(u"zebra apple", 0, 5);
    run([&] { w.menu("mnucopytotemp").click(); });
    run([&] {
        w.Text1.setSelStart(6);
        w.Text1.setSelLength(5);
        w.tmpcmb_OLEDragDrop();
    });
    run([&] {
        w.Text1.setSelStart(3);
        w.mnucopytotemp_Click();
    });
    expectLists({u"zebra", u"apple", u""});
    EXPECT_FALSE(master().visible()) << "the master list fills without showing its window";
    run([&] { w.menu("mnualphasort").click(); });
    EXPECT_TRUE(w.mnualphasort.checked());
    EXPECT_FALSE(w.mnualphasort.enabled());
}

TEST_F(ClipboardTest, PickingASnippetPastesIt) {
    setPage(u"<p>one two</p>", 3, 3);
    run([&] { w.mnucopytotemp_Click(); });
    run([&] {
        w.Text1.setSelStart(14);
        w.tmpcmb.setListIndex(0);
    });
    EXPECT_TEXT(u"<p>one two</p>one", w.Text1.text());
    run([&] { w.menu("mnupastetmp").click(); });
    EXPECT_TEXT(u"<p>one two</p>oneone", w.Text1.text());
}

TEST_F(ClipboardTest, PasteBeforeAnyPickPastesTheComboCaption) {
    setPage(u"", 0);
    run([&] { w.mnupastetmp_Click(); });
    EXPECT_TEXT(u"Temporary Clipboard", w.Text1.text());
}

TEST_F(ClipboardTest, SlowPasteTypesEveryCharacterAsItself) {
    const String snippet = u"a+b^%~{x}(y)[z]\r\nc";
    setPage(snippet, 0, static_cast<int32_t>(snippet.size()));
    run([&] { w.mnucopytotemp_Click(); });
    run([&] { w.menu("mnuslowpaste").click(); });
    EXPECT_TRUE(w.mnuslowpaste.checked());
    countChanges();
    run([&] { w.tmpcmb.setListIndex(0); });
    EXPECT_TEXT(snippet, w.Text1.text());
    // One change per character; the line break arrives as one.
    EXPECT_EQ(changes, static_cast<int>(snippet.size()) - 1);
    EXPECT_TRUE(w.Text1.canUndo());
    run([&] { w.mnuslowpaste_Click(); });
    EXPECT_FALSE(w.mnuslowpaste.checked());
}

TEST_F(ClipboardTest, MasterWindowPreviewsAndPastesAfterAKeptSelection) {
    setPage(u"one two", 4, 3);
    run([&] { w.mnucopytotemp_Click(); });
    run([&] { w.menu("mnuMaster").click(); });
    TempClip& t = master();
    EXPECT_TRUE(t.visible());
    EXPECT_TEXT(u"Master Temporary Clipboard allows you to manage multiple clipboard data.",
                t.StatusBar1.text());
    run([&] { t.tmpcmb.setListIndex(0); });
    EXPECT_TEXT(u"two", t.fullclip.text());
    run([&] {
        t.fullclip.setText(u"2");
        w.Text1.setSelStart(0);
        w.Text1.setSelLength(3);
        t.OKButton.click();
    });
    EXPECT_TEXT(u"one2 two", w.Text1.text());
    EXPECT_FALSE(t.visible());
    EXPECT_NE(program.tempclipIfLoaded(), nullptr) << "the buttons only hide the window";

    run([&] { w.mastertmpclip.click(); });
    EXPECT_TRUE(t.visible());
    run([&] { t.CancelButton.click(); });
    EXPECT_FALSE(t.visible());
}

TEST_F(ClipboardTest, DroppingFromThePreviewAddsItsSelection) {
    run([&] { w.mnuMaster_Click(); });
    TempClip& t = master();
    run([&] {
        t.fullclip.setText(u"edited snippet");
        t.fullclip.setSelStart(7);
        t.fullclip.setSelLength(7);
        t.tmpcmb_OLEDragDrop();
    });
    expectLists({u"snippet"});
}

TEST_F(ClipboardTest, RemovingInTheMasterWindowRemovesTheSamePositionFromBoth) {
    setPage(u"a b c", 0, 1);
    for (int32_t at : {0, 2, 4})
        run([&] {
            w.Text1.setSelStart(at);
            w.Text1.setSelLength(1);
            w.mnucopytotemp_Click();
        });
    sp.dialogs.expectMessage(u"Select item to be deleted and remove", forms::vbOKOnly, u"Tolva",
                             forms::vbOK);
    run([&] { w.menu("mnutmprem").click(); });
    TempClip& t = master();
    EXPECT_TRUE(t.visible());
    sp.dialogs.expectMessage(u"No item selected to delete", forms::vbOKOnly, u"Tolva", forms::vbOK);
    run([&] { t.remselected.click(); });
    expectLists({u"a", u"b", u"c"});
    run([&] { t.tmpcmb.setListIndex(1); });
    run([&] { t.remselected.click(); });
    expectLists({u"a", u"c"});
}

TEST_F(ClipboardTest, ClearingInTheMasterWindowAsksAndEmptiesBoth) {
    setPage(u"abc", 0, 1);
    run([&] { w.mnucopytotemp_Click(); });
    TempClip& t = master();
    sp.dialogs.expectMessage(u"This will clear the temporary clipboard. Proceed?", 292,
                             u"Confirm Clear", forms::vbNo);
    run([&] { t.cleartmp.click(); });
    expectLists({u"a"});
    sp.dialogs.expectMessage(u"This will clear the temporary clipboard. Proceed?", 292,
                             u"Confirm Clear", forms::vbYes);
    run([&] { t.cleartmp.click(); });
    expectLists({});
}

TEST_F(ClipboardTest, ClearingFromTheMenuKeepsTheListsPaired) {
    setPage(u"abc", 0, 1);
    run([&] { w.mnucopytotemp_Click(); });
    sp.dialogs.expectMessage(u"This will clear the temporary clipboard. Proceed", 36,
                             u"Assistant: Tolva", forms::vbNo);
    run([&] { w.menu("mnucleartemp").click(); });
    expectLists({u"a"});
    sp.dialogs.expectMessage(u"This will clear the temporary clipboard. Proceed", 36,
                             u"Assistant: Tolva", forms::vbYes);
    run([&] { w.mnucleartemp_Click(); });
    expectLists({});
    run([&] {
        w.Text1.setSelStart(1);
        w.Text1.setSelLength(1);
        w.mnucopytotemp_Click();
    });
    run([&] {
        master().tmpcmb.setListIndex(0);
        master().remselected.click();
    });
    expectLists({});
}

TEST_F(ClipboardTest, MasterClosedByItsCloseBoxComesBackWithTheMainList) {
    setPage(u"xy", 0, 1);
    run([&] { w.mnucopytotemp_Click(); });
    run([&] { w.mnuMaster_Click(); });
    run([&] { master().userClose(); });
    EXPECT_EQ(program.tempclipIfLoaded(), nullptr);
    run([&] {
        w.Text1.setSelStart(1);
        w.Text1.setSelLength(1);
        w.mnucopytotemp_Click();
    });
    expectLists({u"x", u"y"});
}

TEST_F(ClipboardTest, MasterStatusBarExplainsTheControlUnderTheMouse) {
    TempClip& t = master();
    run([&] { t.tmpcmb.MouseMove(); });
    EXPECT_TEXT(u"Cipboard: Click on the item you wish to paste or view preview.",
                t.StatusBar1.text());
    run([&] { t.CancelButton.MouseMove(); });
    EXPECT_TEXT(u"Return without making any changes", t.StatusBar1.text());
    run([&] { t.MouseMove(); });
    EXPECT_TEXT(u"Master Temporary Clipboard allows you to manage multiple clipboard data.",
                t.StatusBar1.text());
}
