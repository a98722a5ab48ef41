// Special characters, tabify, the rectangular box, the help line and tooltips.
#include "commands/Formatting.h"
#include "commands/HelpTexts.h"
#include "support/ProgramTest.h"

#include <set>

using namespace testing_support;
using forms::String;
using forms::StringView;

namespace {

class HelpersTest : public ProgramTest {
protected:
    Tolva& w = main();
};

TEST_F(HelpersTest, SpecialCharacterListAndSet) {
    EXPECT_TEXT(u"Spcl Char", w.Combo3.text());
    ASSERT_EQ(w.Combo3.listCount(), 149);
    EXPECT_TEXT(u"!", w.Combo3.item(0));
    EXPECT_TEXT(u"\u20AC", w.Combo3.item(58));

    setPage(u"[x]", 1, 1);
    sp.dialogs.expectMessage(u"Choose a valid special character from the list", forms::vbOKOnly,
                             u"Tolva", forms::vbOK);
    run([&] { w.specialcharacter.click(); });
    EXPECT_TEXT(u"[x]", w.Text1.text());

    run([&] { w.Combo3.setListIndex(16); });
    EXPECT_TEXT(u"Choose a special character", w.helper.text());
    run([&] { w.specialcharacter.click(); });
    EXPECT_TEXT(u"[\u00A9]", w.Text1.text());

    // Characters the classic keystroke service read as key codes arrive as themselves.
    for (int i : {5, 7, 8, 10, 13, 14, 29, 31, 32, 36}) {
        setPage(u"");
        run([&] { w.Combo3.setListIndex(i); });
        run([&] { w.specialcharacter.click(); });
        EXPECT_TEXT(w.Combo3.item(i), w.Text1.text());
    }
}

TEST_F(HelpersTest, TabifyIndentsEveryLineOfTheSelection) {
    setPage(u"[a\r\nb]", 1, 4);
    run([&] { w.menu("mnutabby").click(); });
    EXPECT_TEXT(u"[       a\r\n       b]", w.Text1.text());
    setPage(u"");
    run([&] { w.menu("mnutabby").click(); });
    EXPECT_TEXT(u"       ", w.Text1.text());
}

TEST_F(HelpersTest, RectangularBoxTakesTheTypedText) {
    const String head = u"<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                        u"padding-right: 4; padding-top: 1; padding-bottom: 1\">";
    setPage(u"sel", 0, 3);
    sp.dialogs.expectInput(u"Enter text to be inserted in the box", u"Assistant: Tolva", u"&nbsp;",
                           u"&nbsp;");
    run([&] { w.menu("mnurectbox").click(); });
    EXPECT_TEXT(head + u"&nbsp;</div>", w.Text1.text());
    setPage(u"");
    sp.dialogs.expectAnyInput(u"");
    run([&] { w.menu("mnurectbox").click(); });
    EXPECT_TEXT(head + u"</div>", w.Text1.text());
}

TEST_F(HelpersTest, MovingOverControlsWritesTheirSentences) {
    run([&] { w.fonts.bold.MouseMove(); });
    EXPECT_TEXT(u"Select text to be made bold and click.", w.helper.text());
    run([&] { w.Text1.MouseMove(); });
    EXPECT_TEXT(u"Ready: Tolva-by Quendry", w.helper.text());
    EXPECT_FALSE(w.commandBox.tevcmd.MouseMove) << "the command box has no sentence";
    EXPECT_FALSE(w.Combo4.MouseMove);
    EXPECT_TEXT(u"insert table ", w.Table.toolTip());
    EXPECT_TEXT(u"Font Editting", w.fonts.fonter.caption());
}

TEST_F(HelpersTest, EveryHelpEntryReachesItsControl) {
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const helpline::Text& t : helpline::texts()) {
        SCOPED_TRACE(std::string(t.window) + " " + std::string(t.control));
        EXPECT_TRUE(seen.insert({t.window, t.control}).second) << "listed twice";
        // The temporary clipboard's rows are read back in its own tests.
        EXPECT_TRUE(t.window == "tolva" || t.window == "tempclip") << "a window with no sentences";
        if (t.window != "tolva") continue;
        if (t.control == "Form") {
            run([&] { w.MouseMove(); });
            EXPECT_TEXT(t.sentence, w.helper.text());
            continue;
        }
        forms::Control* c = w.find(std::string(t.control));
        ASSERT_NE(c, nullptr);
        EXPECT_TEXT(t.tooltip, c->toolTip());
        if (t.sentence.empty()) continue;
        run([&] { w.helper.setText(u"-"); });
        ASSERT_TRUE(c->MouseMove);
        run([&] { c->MouseMove(); });
        EXPECT_TEXT(t.sentence, w.helper.text());
    }
}

} // namespace
