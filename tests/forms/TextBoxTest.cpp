// The text box's selection rules, change events, undo, and the display mirror.
#include "forms/TextBox.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <random>

using namespace forms;
using testing_support::ScriptedPlatform;
using testing_support::show;

namespace {

struct Box : ::testing::Test {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    void SetUp() override { box.setMultiLine(true); }
    void type(StringView s) {
        for (char16_t c : s)
            box.type(c);
    }
};

} // namespace

TEST_F(Box, SelectionRulesFollowTheClassicTextBox) {
    box.setText(u"hello world");
    EXPECT_EQ(box.selStart(), 0);
    box.setSelStart(6);
    box.setSelLength(100); // clamps at the end
    EXPECT_TEXT(u"world", box.selText());
    box.setSelStart(99);
    EXPECT_EQ(box.selStart(), 11);
    EXPECT_EQ(box.selLength(), 0);
    box.select(0, 5);
    box.setSelText(u"HELLO!");
    EXPECT_TEXT(u"HELLO! world", box.text());
    EXPECT_EQ(box.selStart(), 6);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelStart(3);
    box.setText(u"new");
    EXPECT_EQ(box.selStart(), 0) << "assigning Text puts the caret at 0";
}

TEST_F(Box, NegativeSelectionStopsTheRunningCommandOnly) {
    box.setText(u"abc");
    bool after = false;
    rt.invoke([&] {
        box.setSelStart(-1);
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_FALSE(rt.lastError.empty());
    rt.invoke([&] { box.setSelLength(-5); });
    bool next = false;
    rt.invoke([&] { next = true; });
    EXPECT_TRUE(next) << "the program goes on after the error";
}

TEST_F(Box, ChangeIsRaisedInsideTheAssignmentAndReenters) {
    box.setText(u"0123456789");
    std::vector<String> seen;
    box.Change = [&] {
        seen.push_back(box.text());
        // A handler edit nests one level.
        if (box.text().ends_with(u"<b>")) {
            box.select(box.selStart() - 3, 3);
            box.setSelText(u"<B></B>");
        }
    };
    box.setSelStart(10);
    box.setSelText(u"<b>");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TEXT(u"0123456789<b>", seen[0]);
    EXPECT_TEXT(u"0123456789<B></B>", box.text());
}

TEST_F(Box, EnterAndBackspaceTakeTheWholeLineBreakAndMaxLengthRefusesTyping) {
    type(u"x\r");
    EXPECT_TEXT(u"x\r\n", box.text());
    type(u"\b");
    EXPECT_TEXT(u"x", box.text());

    box.setMultiLine(false);
    box.setMaxLength(3);
    type(u"bcd");
    EXPECT_TEXT(u"xbc", box.text());
    box.setText(u"longer");
    EXPECT_TEXT(u"longer", box.text()) << "code is not refused";
}

TEST_F(Box, UndoAndRedoRestoreTextAndFlagTheChanges) {
    type(u"abc");
    box.setSelText(u"XYZ");
    box.setText(box.text()); // the same text again is nothing to undo
    bool flagged = false;
    box.Change = [&] { flagged = box.undoing(); };
    EXPECT_TRUE(box.undo());
    EXPECT_TEXT(u"abc", box.text());
    EXPECT_TRUE(flagged);
    EXPECT_TRUE(box.undo()) << "typed characters undo as one step";
    EXPECT_TEXT(u"", box.text());
    EXPECT_TRUE(box.redo());
    EXPECT_TRUE(box.redo());
    EXPECT_TEXT(u"abcXYZ", box.text());
    EXPECT_FALSE(box.redo());
}

TEST_F(Box, UndoGroupsTypingByWordsAndKeepsTwoThousandSteps) {
    // A blank starts a new group, so does Enter, a caret move, and any other edit.
    type(u"ab cd\ref");
    box.setSelStart(0);
    type(u"x");
    EXPECT_TEXT(u"xab cd\r\nef", box.text());
    for (StringView expected : {u"ab cd\r\nef", u"ab cd\r\n", u"ab cd", u"ab", u""}) {
        ASSERT_TRUE(box.undo());
        EXPECT_TEXT(expected, box.text());
    }
    EXPECT_FALSE(box.undo());

    // Beyond 2000 steps the oldest go first.
    for (int i = 0; i < 2001; ++i)
        box.setSelText(i % 2 ? u"b" : u"a");
    int undone = 0;
    while (box.undo())
        ++undone;
    EXPECT_EQ(undone, 2000);
    EXPECT_TEXT(u"a", box.text()) << "the first step is the one forgotten";
    type(u"q");
    EXPECT_FALSE(box.canRedo()) << "a new edit drops what could be redone";
}

TEST_F(Box, MovingTheSelectionIsOneEdit) {
    box.setText(u"one two three");
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.userMove(4, 4, 13); // "two " to the end
    EXPECT_TEXT(u"one threetwo ", box.text());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.selStart(), 9);
    EXPECT_TEXT(u"two ", box.selText());
    box.userMove(9, 4, 0); // and to the front
    EXPECT_TEXT(u"two one three", box.text());
    EXPECT_TEXT(u"two ", box.selText());
    box.userMove(0, 4, 2); // onto itself
    EXPECT_TEXT(u"two one three", box.text());
    EXPECT_EQ(changes, 2);
    ASSERT_TRUE(box.undo());
    EXPECT_TEXT(u"one threetwo ", box.text());
    ASSERT_TRUE(box.undo());
    EXPECT_TEXT(u"one two three", box.text());
}

// Every edit reported to the display, replayed on a plain string, must keep it equal to
// the display form of the model text; offsets must map both ways.
TEST_F(Box, DisplayMirrorStaysExactUnderRandomEdits) {
    String display;
    box.displayEdit = [&](const DisplayEdit& e) {
        ASSERT_LE(e.pos + e.removed, static_cast<int32_t>(display.size()));
        display.replace(static_cast<size_t>(e.pos), static_cast<size_t>(e.removed), e.text);
    };
    std::mt19937 rng(7);
    const StringView pieces[] = {u"a", u"\r", u"\n", u"\r\n", u"xy\r\nz", u"", u"\n\r", u"<b>"};
    box.setText(u"start\r\nline\rlone\nend");
    ASSERT_EQ(show(display), show(displayForm(box.text())));
    for (int i = 0; i < 3000; ++i) {
        int32_t n = box.length();
        std::uniform_int_distribution<int32_t> pos(0, n);
        int32_t a = pos(rng);
        int32_t len = std::uniform_int_distribution<int32_t>(0, std::min(3, n - a))(rng);
        box.select(a, len);
        box.setSelText(pieces[rng() % 8]);
        ASSERT_EQ(show(display), show(displayForm(box.text()))) << "after edit " << i;
        int32_t p = pos(rng) % (box.length() + 1);
        int32_t back = box.storage().fromDisplay(box.storage().toDisplay(p));
        bool midPair = p > 0 && p < box.length() && box.at(p - 1) == CR && box.at(p) == LF;
        EXPECT_EQ(back, midPair ? p + 1 : p) << "offset " << p;
    }
    EXPECT_EQ(box.storage().crlfPairs(), static_cast<int32_t>(box.length() - display.size()));
}

TEST(GapBufferTest, FindsAcrossTheGapBothWays) {
    GapBuffer b(u"abcdefabcdef");
    b.replace(4, 0, u"");   // gap at 4
    b.replace(4, 0, u"XY"); // "abcdXYefabcdef", gap after XY
    b.replace(3, 0, u"");
    EXPECT_EQ(b.find(u"dXYe"), 3);
    EXPECT_EQ(b.find(u"abc", 1), 8);
    EXPECT_EQ(b.rfind(u"abc", 14), 8);
    EXPECT_EQ(b.rfind(u"abc", 10), 0);
    EXPECT_EQ(b.rfind(u"dXY", 6), 3);
    EXPECT_EQ(b.find(u"zz"), -1);
    EXPECT_EQ(b.lineBreaks(), 0);
    b.replace(0, 0, u"\r\n\r\n\n");
    EXPECT_EQ(b.lineBreaks(), 3);
    EXPECT_EQ(b.crlfPairs(), 2);
}

TEST_F(Box, OnlyWholeTextReadsCountAsCopies) {
    box.setText(u"abc\r\ndef");
    long before = box.storage().wholeCopies();
    (void)box.mid(1, 7);
    (void)box.before(8, 3);
    (void)box.find(u"def");
    (void)box.selText();
    EXPECT_EQ(box.storage().wholeCopies() - before, 0);
    (void)box.text();
    (void)box.mid(0, 99);
    EXPECT_EQ(box.storage().wholeCopies() - before, 2);
}
