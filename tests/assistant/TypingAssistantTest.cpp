// The typing assistant where the golden folders cannot reach: undo, and keys queued while
// an assist question is open.
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

TEST_F(TypingAssistantTest, UndoBringsBackTheTypedOpeningAndFiresNothing) {
    typeChars(w.Text1, u"<b");
    typeChars(w.Text1, u">");
    run([&] { w.Text1.undo(); });
    EXPECT_TEXT(u"<b>", after());
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
