// Special characters, tabify, the rectangular box, and the help line and tooltips.
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

class HelpersTest : public ProgramTest {
protected:
    Tolva& w = main();
};

TEST_F(HelpersTest, SpecialCharacterIsRefusedUntilChosenThenTypedAsItself) {
    setPage(u"[x]", 1, 1);
    sp.dialogs.expectMessage(u"Choose a valid special character from the list", forms::vbOKOnly,
                             u"Tolva", forms::vbOK);
    run([&] { w.specialcharacter.click(); });
    EXPECT_TEXT(u"[x]", w.Text1.text());

    // Chosen, each arrives as itself, also those the classic keystroke service read as keys.
    for (int i : {5, 7, 8, 10, 13, 14, 29, 31, 32, 36}) {
        setPage(u"");
        run([&] { w.Combo3.setListIndex(i); });
        run([&] { w.specialcharacter.click(); });
        EXPECT_TEXT(w.Combo3.item(i), w.Text1.text());
    }
}

TEST_F(HelpersTest, TabifyIndentsEveryLineAndTheBoxWrapsTheTypedText) {
    setPage(u"[a\r\nb]", 1, 4);
    run([&] { w.menu("mnutabby").click(); });
    EXPECT_TEXT(u"[       a\r\n       b]", w.Text1.text());
    setPage(u"");
    run([&] { w.menu("mnutabby").click(); });
    EXPECT_TEXT(u"       ", w.Text1.text());
    // Only a CR LF pair starts a line here: a lone CR or LF, or a CR that ends the selection,
    // gets no tab after it; a pair that ends it does.
    setPage(u"x\r\r\ny\nz\r\n\r\nw\r", 0, 13);
    run([&] { w.menu("mnutabby").click(); });
    EXPECT_TEXT(u"       x\r\r\n       y\nz\r\n       \r\n       w\r", w.Text1.text());
    setPage(u"a\r\n", 0, 3);
    run([&] { w.menu("mnutabby").click(); });
    EXPECT_TEXT(u"       a\r\n       ", w.Text1.text());

    // The rectangular box takes the typed text in place of the selection.
    setPage(u"sel", 0, 3);
    sp.dialogs.expectInput(u"Enter text to be inserted in the box", u"Assistant: Tolva", u"&nbsp;",
                           u"Note");
    run([&] { w.menu("mnurectbox").click(); });
    EXPECT_TEXT(u"<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                u"padding-right: 4; padding-top: 1; padding-bottom: 1\">Note</div>",
                w.Text1.text());
}

TEST_F(HelpersTest, MovingOverAControlWritesItsSentenceAndTheBoxesHaveNone) {
    run([&] { w.fonts.bold.MouseMove(); });
    EXPECT_TEXT(u"Select text to be made bold and click.", w.helper.text());
    run([&] { w.Text1.MouseMove(); });
    EXPECT_TEXT(u"Ready: Tolva-by Quendry", w.helper.text());
    EXPECT_FALSE(w.commandBox.tevcmd.MouseMove) << "the command box has no sentence";
    EXPECT_FALSE(w.Combo4.MouseMove);
}

} // namespace
