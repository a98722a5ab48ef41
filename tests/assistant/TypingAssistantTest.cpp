// The typing assistant: completions in place, typed continuations, the assist questions,
// and what it never recognises.
#include "assistant/TypingAssistant.h"
#include "commands/Bookeeper.h"
#include "dialogs/HRule.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

// Sixteen characters of text, so that the caret is past the assistant's threshold.
constexpr char16_t kLead[] = u"0123456789abcdef";

class TypingAssistantTest : public ProgramTest {
protected:
    Tolva& w = main();
    void SetUp() override { setPage(kLead, 16, 0); }
    String after() { return w.Text1.text().substr(16); }
    int32_t caret() { return w.Text1.selStart() - 16; }
};

TEST_F(TypingAssistantTest, TagsCompleteInPlaceWithTheCaretBetweenThem) {
    struct Case {
        const char16_t* typed;
        const char16_t* page;
        int32_t caret;
    };
    const Case cases[] = {
        {u"<b>", u"<B></B>", 3},
        {u"<i>", u"<I></I>", 3},
        {u"<u>", u"<U></U>", 3},
        {u"<pre>", u"<PRE></PRE>", 5},
        {u"<td>", u"<TD></TD>", 4},
        {u"<font c", u"<font color=\"\"", 13},
        {u"<font s", u"<font size=\"\"", 12},
        {u"<font f", u"<font face=\"\"", 12},
        {u"</fon", u"</font>", 7},
        {u"</for", u"</form>", 7},
        {u"<for", u"<form name=\"\">", 12},
        {u"<tex", u"<textarea></textarea>", 10},
        // Continuations typed for the user arrive as keys after the handler.
        {u"<font ca", u"<font color=\"aqua\"", 17},
        {u"<cen", u"<center>", 8},
        {u"bgc", u"bgcolor=\"\"", 10},
        {u"align=\"j", u"align=\"justify\"", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(show(c.typed));
        setPage(kLead, 16, 0);
        typeChars(w.Text1, c.typed);
        EXPECT_TEXT(c.page, after());
        EXPECT_EQ(caret(), c.caret);
    }
}

TEST_F(TypingAssistantTest, ParagraphMovesOnePastWhatItInserts) {
    setPage(u"0123456789abcdefXY", 16, 0);
    typeChars(w.Text1, u"<p>");
    EXPECT_TEXT(u"0123456789abcdef</P><P ALIGN=\"LEFT\">XY", w.Text1.text());
    EXPECT_EQ(w.Text1.selStart(), 16 + 20 + 1);
}

TEST_F(TypingAssistantTest, InputTypesAreOfferedSelected) {
    typeChars(w.Text1, u"<in");
    EXPECT_TEXT(u"<input type=\"", after());
    EXPECT_TEXT(u"put type=\"", w.Text1.selText());
    // A caret move accepts the offer.
    run([&] { w.Text1.setSelStart(w.Text1.length()); });
    typeChars(w.Text1, u"re");
    EXPECT_TEXT(u"<input type=\"reset\"", after());
    EXPECT_TEXT(u"eset\"", w.Text1.selText());
}

TEST_F(TypingAssistantTest, NothingIsRecognisedNearTheStartInUpperCaseOrSwitchedOff) {
    setPage(u"", 0, 0);
    typeChars(w.Text1, u"<b>");
    EXPECT_TEXT(u"<b>", w.Text1.text());
    setPage(kLead, 16, 0);
    typeChars(w.Text1, u"<B>");
    EXPECT_TEXT(u"<B>", after());

    run([&] { w.mnuautocorrect.setChecked(false); });
    setPage(kLead, 16, 0);
    run([&] { w.commandBox.tevcmd.setText(u"tev"); });
    typeChars(w.Text1, u"<b>");
    EXPECT_TEXT(u"<b>", after());
    EXPECT_TEXT(u"Untitled[*]: Tolva -By Quendry", w.caption()) << "the status still refreshes";
    EXPECT_TEXT(u"", w.commandBox.tevcmd.text());
}

TEST_F(TypingAssistantTest, APasteOrADeletionFiresOnlyThePatternAtItsEnd) {
    run([&] { w.Text1.setSelText(u"<b>x<i>"); });
    EXPECT_TEXT(u"<b>x<I></I>", after());
    setPage(u"0123456789abcdef<b>z", 20, 0);
    typeChars(w.Text1, u"\b");
    EXPECT_TEXT(u"<B></B>", after());
}

TEST_F(TypingAssistantTest, UndoNeverFiresARow) {
    typeChars(w.Text1, u"<b");
    typeChars(w.Text1, u">");
    EXPECT_TEXT(u"<B></B>", after());
    run([&] { w.Text1.undo(); });
    EXPECT_TEXT(u"<b>", after()) << "the typed opening is back and stays as it is";
}

TEST_F(TypingAssistantTest, WithoutTheQuestionListsAreLeftSelectedAndARuleOpensItsDialog) {
    run([&] { w.assistant.assistprompt = false; });
    typeChars(w.Text1, u"<ol>");
    EXPECT_TEXT(u"<ol>", w.Text1.selText()) << "for the list command";
    setPage(kLead, 16, 0);
    typeChars(w.Text1, u"<hr>");
    EXPECT_TEXT(u"", after());
    ASSERT_NE(program.loaded<HRule>(), nullptr);
    EXPECT_TRUE(program.loaded<HRule>()->visible());
}

TEST_F(TypingAssistantTest, AnAnchorNameRunsTheBookmarkCommandWithoutAQuestion) {
    // "<a " on the way asks about a link first.
    sp.dialogs.expectMessage(u"This looks like an anchor tag. Would you like Tolva to assist you?",
                             forms::vbYesNo, u"Assistant: Tolva", forms::vbNo);
    sp.dialogs.expectInput(u"Enter the name of the bookmark", u"Assistant: Tolva", u"", u"top");
    typeChars(w.Text1, u"<a name=\"");
    EXPECT_TRUE(sp.dialogs.done());
    EXPECT_TEXT(u"<a name=\"top\">Start from here</a>", after());
    ASSERT_NE(program.loaded<Bookeeper>(), nullptr);
    EXPECT_EQ(program.loaded<Bookeeper>()->List1.listCount(), 1);
}

TEST_F(TypingAssistantTest, AssistAsksFirstAndNoKeepsTheTypedTextAndTheKeysTypedMeanwhile) {
    // The user types on while the image question is open: those keys wait their turn.
    sp.dialogs.expectMessage(u"This looks like an image tag. Would you like Tolva to assist you?",
                             forms::vbYesNo, u"Assistant: Tolva", forms::vbNo);
    typeChars(w.Text1, u"<im");
    run([&] {
        w.runtime().sendKeys(u"xy");
        w.Text1.type(u'g');
    });
    EXPECT_TRUE(sp.dialogs.done());
    EXPECT_TEXT(u"<imgxy", after());
    EXPECT_TRUE(w.Text1.hasFocus());
}

} // namespace
