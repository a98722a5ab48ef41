// The forms layer: the keystroke queue, End, listening to model objects, and the text
// box's errors, line breaks, maximum length, undo, display mirror and copies.
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <vector>

using namespace forms;
using testing_support::ScriptedPlatform;
using testing_support::show;

namespace {

struct Box : ::testing::Test {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    std::string heard;
    void SetUp() override { box.setMultiLine(true); }
    void type(StringView s) {
        for (char16_t c : s)
            box.type(c);
    }
    // A view that notes its mark on every change of the text.
    std::function<void(Prop)> noting(char mark) {
        return [this, mark](Prop p) {
            if (p == Prop::Text) heard += mark;
        };
    }
};

} // namespace

TEST_F(Box, QueuedKeysArriveAfterTheHandlerAsThemselvesOneChangeEach) {
    for (auto [keys, n] :
         {std::pair<StringView, size_t>{u"+^%~{}[]()x", 11}, {u"a\nb\rc\r\nd", 7}}) {
        SCOPED_TRACE(show(keys));
        std::vector<String> changes;
        box.Change = [&] { changes.push_back(box.text()); };
        // Copied: clang-tidy's parser (clang 14) cannot capture a structured binding.
        rt.invoke([&, keys = keys] {
            box.setText(u"");
            changes.clear();
            box.setFocus();
            rt.sendKeys(keys);
            EXPECT_TRUE(changes.empty()) << "nothing arrives while the handler runs";
        });
        EXPECT_EQ(show(box.text()), show(keys));
        EXPECT_EQ(changes.size(), n) << "a CR LF pair is one change";
    }
}

// Keys queued by a typed key come after its KeyUp: BufferEditTest.
TEST_F(Box, KeysQueuedByAQueuedKeyComeAfterTheKeysAlreadyWaiting) {
    box.Change = [&] {
        if (box.text().ends_with(u"a")) rt.sendKeys(u"1");
    };
    rt.invoke([&] {
        box.setFocus();
        rt.sendKeys(u"ab");
    });
    EXPECT_EQ(show(box.text()), show(u"ab1"));
}

TEST_F(Box, AnErrorStopsTheRunningCommandOnlyAndEndStopsEverything) {
    int ran = 0;
    rt.invoke([&] { box.setSelLength(-5), ++ran; });
    rt.invoke([&] { ++ran; });
    EXPECT_EQ(ran, 1) << "the program goes on after the error";
    rt.invoke([&] { rt.invoke([&] { rt.end(); }), ++ran; });
    rt.invoke([&] { ++ran; });
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(sp.session.ended);
}

TEST_F(Box, EndingAListeningEndsThatOneEvenDuringANotification) {
    std::optional<Subscription> first = box.listen(noting('1'));
    auto second = std::make_unique<Subscription>();
    Subscription closer = box.listen([&](Prop p) {
        if (p != Prop::Text) return;
        heard += '3';
        second.reset(); // closes a later view while the change is being announced
    });
    *second = box.listen(noting('2'));
    Subscription fourth = box.listen(noting('4'));
    box.setText(u"a");
    box.setText(u"b");
    Subscription moved = std::move(*first);
    first.reset(); // what was moved from ends nothing
    box.setText(u"c");
    EXPECT_EQ(heard, "134134134");

    // A listener may end its own listening, and outlive the control.
    Subscription self;
    self = box.listen([&](Prop p) {
        if (p == Prop::Text) heard += 's', self.reset();
    });
    box.setText(u"d");
    box.setText(u"e");
    EXPECT_EQ(heard, "134134134134s134");
    {
        Form gone(rt, "gone");
        self = Label(gone, "Label1").listen(noting('2'));
    }
    self.reset(); // the label is gone; ending the listening is harmless
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

// An emoji is two UTF-16 halves; saving a lone half writes U+FFFD in its place.
TEST_F(Box, NoEditOrCaretMoveLeavesHalfACharacter) {
    const String face = u"\U0001F600"; // two halves

    // Backspace and Delete beside it: BufferEditTest, through the real keys.
    box.setText(u"a" + face + u"b");
    box.setSelStart(2);
    EXPECT_EQ(box.selStart(), 1);
    box.setSelLength(1);
    EXPECT_EQ(box.selLength(), 2) << "a selection takes the whole character";
    box.select(2, 1);
    EXPECT_EQ(std::pair(box.selStart(), box.selLength()), std::pair(1, 2));
    box.select(2, 2);
    EXPECT_EQ(std::pair(box.selStart(), box.selLength()), std::pair(1, 3));

    // A restore that changes only its second half, then undo: BufferEditTest.

    // Code that edits from a position inside the character keeps it whole.
    box.setText(face + face);
    box.select(1, 0);
    box.setSelText(u"y");
    EXPECT_TRUE(box.text() == u"y" + face + face || box.text() == face + u"y" + face)
        << show(box.text());
    EXPECT_FALSE(box.splitsPair(box.selStart()));

    // A full box takes no half of a pasted emoji, and no half is typed on its own.
    box.setMultiLine(false);
    box.setText(u"ab");
    box.setMaxLength(3);
    box.select(2, 0);
    box.userInsert(face);
    EXPECT_TEXT(u"ab", box.text());
    box.keyPress(face[0]);
    EXPECT_TEXT(u"ab", box.text());

    // Queued, it arrives as one character: no handler sees half of it.
    box.setMultiLine(true);
    box.setMaxLength(0);
    box.setText(u"");
    std::vector<String> changes;
    box.Change = [&] { changes.push_back(box.text()); };
    rt.invoke([&] {
        box.setFocus();
        rt.sendKeys(face + face);
    });
    EXPECT_EQ(changes, (std::vector<String>{face, face + face}));
}

TEST_F(Box, UndoGroupsTypingByWordsAndKeepsTwoThousandSteps) {
    // A blank starts a new group, so does Enter, a caret move, and any other edit.
    type(u"ab cd\ref");
    box.setSelStart(0);
    type(u"x");
    box.setText(box.text()); // the same text again is nothing to undo
    EXPECT_TEXT(u"xab cd\r\nef", box.text());
    for (StringView expected : {u"ab cd\r\nef", u"ab cd\r\n", u"ab cd", u"ab", u""}) {
        ASSERT_TRUE(box.undo());
        EXPECT_TEXT(expected, box.text());
    }
    EXPECT_FALSE(box.undo());
    EXPECT_TRUE(box.redo());
    EXPECT_TEXT(u"ab", box.text());

    // Beyond 2000 steps the oldest go first.
    box.setSelStart(2);
    for (int i = 0; i < 2001; ++i)
        box.setSelText(i % 2 ? u"b" : u"a");
    EXPECT_FALSE(box.canRedo()) << "a new edit drops what could be redone";
    int undone = 0;
    while (box.undo())
        ++undone;
    EXPECT_EQ(undone, 2000);
    EXPECT_TEXT(u"aba", box.text()) << "the first step is the one forgotten";
}

// Every edit reported to the display, replayed on a plain string, must keep it equal to
// the display form of the model text; offsets must map both ways.
TEST_F(Box, DisplayMirrorStaysExactUnderRandomEdits) {
    String display;
    box.displayEdit = [&](const DisplayEdit& e) {
        ASSERT_LE(e.pos + e.removed, static_cast<int32_t>(display.size()));
        const String added = e.text();
        ASSERT_EQ(e.added, static_cast<int32_t>(added.size()));
        // Its ends, read alone, are the ends of the whole.
        for (int32_t k : {1, 2, 3, 7}) {
            String head = e.head(k), tail = e.tail(k);
            ASSERT_LE(head.size(), static_cast<size_t>(k));
            ASSERT_EQ(show(head), show(added.substr(0, head.size())));
            ASSERT_EQ(show(tail),
                      show(added.substr(added.size() - std::min(added.size(), tail.size()))));
        }
        display.replace(static_cast<size_t>(e.pos), static_cast<size_t>(e.removed), added);
    };
    std::mt19937 rng(7);
    const StringView pieces[] = {u"a", u"\r", u"\n", u"\r\n", u"xy\r\nz", u"", u"\n\r", u"<b>"};
    // The whole of a large page deleted or replaced, and taken back and done again in any
    // order: the page and the steps trade their storage, and neither may lose a character.
    String large;
    while (large.size() < 100000)
        large += u"<P>line\r\n";
    const String upper = forms::upper(large);
    box.setText(large);
    for (int i = 0; i < 12; ++i) {
        box.select(0, box.length());
        const String before = box.text();
        box.setSelText(i % 3 ? StringView(upper) : StringView());
        const String done = box.text();
        for (int k = 0; k <= i % 4; ++k) {
            ASSERT_TRUE(box.undo());
            ASSERT_EQ(box.text(), before) << "round " << i;
            ASSERT_TRUE(box.redo());
            ASSERT_EQ(box.text(), done) << "round " << i;
        }
        ASSERT_TRUE(box.undo());
        ASSERT_EQ(show(display), show(displayForm(box.text())));
    }
    ASSERT_EQ(box.text(), large);
    ASSERT_TRUE(box.redo());
    ASSERT_EQ(box.text(), upper);
    ASSERT_TRUE(box.undo());
    ASSERT_EQ(box.text(), large);
    box.setText(u"start\r\nline\rlone\nend");
    for (int i = 0; i < 3000; ++i) {
        int32_t n = box.length();
        std::uniform_int_distribution<int32_t> pos(0, n);
        int32_t a = pos(rng);
        int32_t len = std::uniform_int_distribution<int32_t>(0, std::min(3, n - a))(rng);
        box.select(a, len);
        if (i % 50 == 0) {
            // Another text taken whole: the view still gets the smallest edit.
            String other = box.text();
            other.replace(static_cast<size_t>(a), static_cast<size_t>(len), pieces[rng() % 8]);
            box.adoptText(std::move(other));
        } else {
            box.setSelText(pieces[rng() % 8]);
        }
        ASSERT_EQ(show(display), show(displayForm(box.text()))) << "after edit " << i;
        ASSERT_EQ(box.storage().crlfPairs(), static_cast<int32_t>(box.length() - display.size()));
        ASSERT_EQ(box.storage().lineBreaks(), std::count(display.begin(), display.end(), LF));
        int32_t p = pos(rng) % (box.length() + 1);
        int32_t back = box.storage().fromDisplay(box.storage().toDisplay(p));
        bool midPair = p > 0 && p < box.length() && box.at(p - 1) == CR && box.at(p) == LF;
        EXPECT_EQ(back, midPair ? p + 1 : p) << "offset " << p;
    }
}

// Another file's page: kept where it was read into, with no step to take back, and shown as
// the part that differs from the page before it.
TEST_F(Box, AnAdoptedTextIsKeptUncopiedWithNoPastAndShownAsWhatDiffers) {
    std::vector<DisplayEdit> edits;
    box.displayEdit = [&](const DisplayEdit& e) { edits.emplace_back(e.pos, e.removed, e.text()); };
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.setText(u"<p>one\r\ntwo \U0001F600</p>");
    type(u"x");
    box.undo();
    ASSERT_TRUE(box.canRedo());

    String page = u"<p>one\r\ntwo \U0001F601</p>";
    page.reserve(page.size() + GapBuffer::roomFor(page.size()));
    const char16_t* storage = page.data();
    edits.clear();
    changes = 0;
    box.adoptText(std::move(page));
    EXPECT_TEXT(u"<p>one\r\ntwo \U0001F601</p>", box.text());
    EXPECT_FALSE(box.canUndo());
    EXPECT_FALSE(box.canRedo());
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(edits.size(), 1U);
    // Only the emoji, though its first half is the same: no edit falls between the halves.
    EXPECT_EQ(edits[0].pos, 11);
    EXPECT_EQ(edits[0].removed, 2);
    EXPECT_EQ(show(edits[0].text()), show(u"\U0001F601"));
    EXPECT_EQ(box.storage().spans(0, box.length()).first.data(), storage);

    box.setSelStart(box.length());
    type(u"abc");
    EXPECT_EQ(box.storage().spans(0, 1).first.data(), storage)
        << "the room read in takes the first keys";
    EXPECT_TRUE(box.canUndo());
}

TEST(GapBufferTest, FindsAcrossTheGapBothWays) {
    GapBuffer b(u"abcdefabcdef");
    b.replace(4, 0, u"XY"); // "abcdXYefabcdef", the gap after XY
    EXPECT_EQ(b.find(u"dXYe"), 3);
    EXPECT_EQ(b.find(u"abc", 1), 8);
    EXPECT_EQ(b.rfind(u"dXY", 6), 3);
}

TEST(FileNameTest, EveryByteOfANameComesBackAndOnlyInvalidBytesAreEscaped) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (std::string bytes : {all, std::string("caf\xc3\xa9 \xf0\x9f\x98\x80"),
                              std::string("\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xe2\x82")})
        EXPECT_EQ(toFileName(fromFileName(bytes)), bytes);
    EXPECT_EQ(fromFileName("caf\xc3\xa9\xf0\x9f\x98\x80"), u"caf\u00e9\U0001F600");
    // An overlong slash must not become a slash: each of its bytes stands alone.
    EXPECT_EQ(fromFileName("\xc0\xaf"), String({char16_t(0xDCC0), char16_t(0xDCAF)}));
}
