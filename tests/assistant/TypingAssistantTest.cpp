// The typing assistant: completions in place, typed continuations, the assist questions,
// and what it never recognises.
#include "assistant/TypingAssistant.h"
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
};

TEST_F(TypingAssistantTest, TagsCompleteInPlaceWithTheCaretBetweenThem) {
    struct Case {
        const char16_t* typed;
        const char16_t* page;
        int32_t caret;
    };
    const Case cases[] = {
        {u"<b>", u"<B></B>XY", 3},
        {u"<font c", u"<font color=\"\"XY", 13},
        // Continuations typed for the user arrive as keys after the handler.
        {u"<font ca", u"<font color=\"aqua\"XY", 17},
        {u"<p>", u"</P><P ALIGN=\"LEFT\">XY", 21}, // one past what it inserts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(show(c.typed));
        setPage(u"0123456789abcdefXY", 16, 0); // the text after the caret stays as it is
        typeChars(w.Text1, c.typed);
        EXPECT_TEXT(c.page, after());
        EXPECT_EQ(w.Text1.selStart() - 16, c.caret);
    }
}

TEST_F(TypingAssistantTest, NothingIsRecognisedNearTheStartInUpperCaseOrSwitchedOff) {
    setPage(u"", 0, 0);
    typeChars(w.Text1, u"<b>");
    EXPECT_TEXT(u"<b>", w.Text1.text());
    setPage(kLead, 16, 0);
    typeChars(w.Text1, u"<B>");
    EXPECT_TEXT(u"<B>", after());
    run([&] { w.mnuautocorrect.setChecked(false); });
    typeChars(w.Text1, u"<b>");
    EXPECT_TEXT(u"<B><b>", after());
}

TEST_F(TypingAssistantTest, APasteOrADeletionFiresOnlyThePatternAtItsEndAndUndoNone) {
    run([&] { w.Text1.setSelText(u"<b>x<i>"); });
    EXPECT_TEXT(u"<b>x<I></I>", after());
    setPage(u"0123456789abcdef<b>z", 20, 0);
    typeChars(w.Text1, u"\b");
    EXPECT_TEXT(u"<B></B>", after());
    setPage(kLead, 16, 0);
    typeChars(w.Text1, u"<b");
    typeChars(w.Text1, u">");
    run([&] { w.Text1.undo(); });
    EXPECT_TEXT(u"<b>", after()) << "the typed opening is back and stays as it is";
}

TEST_F(TypingAssistantTest, AssistAsksFirstAndNoKeepsTheTypedTextAndTheKeysTypedMeanwhile) {
    sp.dialogs.expectMessage(u"This looks like an image tag. Would you like Tolva to assist you?",
                             forms::vbYesNo, u"Assistant: Tolva", forms::vbNo);
    typeChars(w.Text1, u"<im");
    run([&] {
        w.runtime().sendKeys(u"xy");
        w.Text1.type(u'g');
    });
    EXPECT_TEXT(u"<imgxy", after());
    EXPECT_TRUE(w.Text1.hasFocus());
}

} // namespace
