// Copy, cut, paste, and the temporary clipboard in both of its windows.
#include "core/TempClip.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using Items = std::vector<String>;

class ClipboardTest : public ProgramTest {
protected:
    Tolva& w = main();
    TempClip& master() { return program.window<TempClip>(); }
    void select(int32_t start, int32_t length) {
        run([&] { w.Text1.select(start, length); });
    }
    void snippet(int32_t start, int32_t length) {
        select(start, length);
        run([&] { w.menu("mnucopytotemp").click(); });
    }
    void expectLists(const Items& expected) {
        EXPECT_EQ(w.tmpcmb.list().items(), expected);
        EXPECT_EQ(master().tmpcmb.list().items(), expected);
    }
};

// Cut, copy and paste with something to move: BufferEditTest, by every way there is.
TEST_F(ClipboardTest, NothingSelectedLeavesTheClipboardAndAnEmptyOnePastesNothing) {
    sp.clipboard.setText(u"kept");
    setPage(u"abcdef", 2);
    run([&] { w.menu("mnucopy").click(); });
    run([&] { w.menu("mnucut").click(); });
    EXPECT_TEXT(u"kept", sp.clipboard.text());
    EXPECT_TEXT(u"abcdef", w.Text1.text());
    sp.clipboard.clear();
    select(0, 3);
    run([&] { w.mnupaste_Click(); });
    EXPECT_TEXT(u"def", w.Text1.text()) << "the selection goes";
}

TEST_F(ClipboardTest, SnippetsJoinBothListsInInsertionOrder) {
    setPage(u"", 0);
    run([&] { w.mnupastetmp_Click(); });
    EXPECT_TEXT(u"Temporary Clipboard", w.Text1.text()) << "before any pick: the combo's caption";

    setPage(u"zebra apple", 0);
    snippet(0, 5);
    select(6, 5);
    run([&] { w.tmpcmb_OLEDragDrop(); });
    snippet(3, 0);
    expectLists({u"zebra", u"apple", u""});

    select(11, 0);
    run([&] { w.tmpcmb.setListIndex(1); });
    run([&] { w.menu("mnupastetmp").click(); });
    EXPECT_TEXT(u"zebra appleappleapple", w.Text1.text());
}

TEST_F(ClipboardTest, SlowPasteTypesEveryCharacterAsItself) {
    const String text = u"a+b^%~{x}(y)[z]\r\nc";
    setPage(text, 0);
    snippet(0, static_cast<int32_t>(text.size()));
    run([&] { w.menu("mnuslowpaste").click(); });
    int changes = 0;
    auto inner = w.Text1.Change;
    w.Text1.Change = [&] {
        ++changes;
        inner();
    };
    run([&] { w.tmpcmb.setListIndex(0); });
    w.Text1.Change = inner;
    EXPECT_TEXT(text, w.Text1.text());
    EXPECT_EQ(changes, static_cast<int>(text.size()) - 1) << "one per character; CR LF is one";
}

TEST_F(ClipboardTest, MasterWindowPastesThePreviewAfterAKeptSelection) {
    setPage(u"one two", 0);
    snippet(4, 3);
    run([&] { w.mastertmpclip.click(); });
    TempClip& t = master();
    run([&] { t.tmpcmb.setListIndex(0); });
    EXPECT_TEXT(u"two", t.fullclip.text());
    run([&] { t.fullclip.setText(u"2 edited"); });
    select(0, 3);
    run([&] { t.OKButton.click(); });
    EXPECT_TEXT(u"one2 edited two", w.Text1.text());
    EXPECT_FALSE(t.visible());
}

TEST_F(ClipboardTest, RemovalPairsByPositionAndClearingFromTheMenuLeavesTheMaster) {
    setPage(u"a b c", 0);
    for (int32_t at : {0, 2, 4})
        snippet(at, 1);
    sp.dialogs.expectMessage(u"Select item to be deleted and remove", forms::vbOKOnly, u"Tolva",
                             forms::vbOK);
    run([&] { w.menu("mnutmprem").click(); });
    TempClip& t = master();
    EXPECT_TRUE(t.visible());
    run([&] { t.tmpcmb.setListIndex(1); });
    run([&] { t.remselected.click(); });
    expectLists({u"a", u"c"});

    sp.dialogs.expectMessage(u"This will clear the temporary clipboard. Proceed", 36,
                             u"Assistant: Tolva", forms::vbYes);
    run([&] { w.menu("mnucleartemp").click(); });
    EXPECT_EQ(w.tmpcmb.list().items(), Items{});
    EXPECT_EQ(t.tmpcmb.list().items(), (Items{u"a", u"c"}));

    // The lists no longer pair up: removal still goes by the master's position.
    snippet(2, 1);
    run([&] { t.tmpcmb.setListIndex(2); });
    run([&] { t.remselected.click(); });
    EXPECT_EQ(w.tmpcmb.list().items(), Items{u"b"}) << "nothing at position 2 of the main list";
    EXPECT_EQ(t.tmpcmb.list().items(), (Items{u"a", u"c"}));

    sp.dialogs.expectMessage(u"This will clear the temporary clipboard. Proceed?", 292,
                             u"Confirm Clear", forms::vbYes);
    run([&] { t.cleartmp.click(); });
    expectLists({});
}

TEST_F(ClipboardTest, TheMasterClosedByItsCloseBoxComesBackEmpty) {
    setPage(u"a b c", 0);
    snippet(0, 1);
    snippet(2, 1);
    run([&] { w.menu("mnuMaster").click(); });
    run([&] { master().CancelButton.click(); });
    run([&] { w.menu("mnuMaster").click(); });
    EXPECT_EQ(master().tmpcmb.listCount(), 2) << "hidden, not discarded";

    run([&] { master().userClose(); });
    EXPECT_EQ(program.loaded<TempClip>(), nullptr);
    run([&] { w.menu("mnuMaster").click(); });
    EXPECT_EQ(master().tmpcmb.listCount(), 0);
    EXPECT_EQ(w.tmpcmb.list().items(), (Items{u"a", u"b"}));

    // Next used by a new snippet while closed: it holds that snippet alone.
    run([&] { master().userClose(); });
    snippet(4, 1);
    EXPECT_EQ(master().tmpcmb.list().items(), Items{u"c"});
    EXPECT_EQ(w.tmpcmb.list().items(), (Items{u"a", u"b", u"c"}));
}
