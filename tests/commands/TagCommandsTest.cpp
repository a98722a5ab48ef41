// The tag commands of the main window: exact output, focus, toggles, numbered form
// controls with their renaming, file commands and typed commands.
#include "commands/Commands.h"
#include "support/ProgramTest.h"

#include <tuple>

using namespace testing_support;

namespace {

// A command, by the name of the control that runs it.
using Handler = std::string_view;

class TagCommandsTest : public ProgramTest {
protected:
    Tolva& w = main();

    // Runs a handler as a click would, with the focus somewhere else first.
    void click(Handler h) {
        Tolva& t = w;
        run([&t] { t.helper.setFocus(); });
        run([&t, h] { commands::run(t, h); });
    }
};

TEST_F(TagCommandsTest, EveryPutCommandWritesItsExactFragment) {
    // The command, what goes before and after the selection, whether the selection stays,
    // and whether the page has the focus afterwards.
    const std::tuple<Handler, StringView, StringView, bool, bool> cases[] = {
        {"Abbr", u"<ABBR>", u"</ABBR>", true, false},
        {"fieldset", u"<FIELDSET>\r\n", u"\r\n</FIELDSET>", true, true},
        {"P", u"", u"</P>\r\n<P ALIGN=\"LEFT\">", true, true},
        {"applet",
         u"<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\r<PARAM "
         u"NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\r</APPLET>",
         u"", false, false},
        {"style", u"<STYLE>\r\n\r\n</STYLE>", u"", false, true},
    };
    for (auto [handler, before, after, keepsSelection, focusFirst] : cases) {
        SCOPED_TRACE(handler);
        for (StringView sel : {StringView(u"x"), StringView(u"")}) {
            setPage(sel.empty() ? u"[]" : u"[x]", 1, static_cast<int32_t>(sel.size()));
            click(handler);
            String middle = String(before) + String(keepsSelection ? sel : u"") + String(after);
            EXPECT_TEXT(u"[" + middle + u"]", w.Text1.text());
            EXPECT_EQ(w.Text1.selStart(), 1 + static_cast<int32_t>(middle.size()));
            EXPECT_EQ(w.Text1.selLength(), 0);
            EXPECT_EQ(w.Text1.hasFocus(), focusFirst);
        }
    }
}

TEST_F(TagCommandsTest, TogglesWrapOrUnwrap) {
    // Name, command, the selection in "a...b", and the whole page afterwards.
    const std::tuple<const char*, Handler, StringView, StringView> cases[] = {
        {"nothing selected", "bold", u"", u"ab"},
        {"unwrap", "bold", u"<B>x</B>", u"axb"},
        {"last four dropped whatever they are", "bold", u"<B>wxyz", u"ab"},
        {"lower case wraps again", "bold", u"<b>x</b>", u"a<B><b>x</b></B>b"},
        {"too short to unwrap", "bold", u"<B>x", u"a<B>xb"},
    };
    for (auto [name, handler, selected, result] : cases) {
        SCOPED_TRACE(name);
        setPage(u"a" + String(selected) + u"b", 1, static_cast<int32_t>(selected.size()));
        click(handler);
        EXPECT_TEXT(result, w.Text1.text());
        EXPECT_TRUE(w.Text1.hasFocus());
    }
}

TEST_F(TagCommandsTest, NumberedControlsCountAndRenameOlderNames) {
    setPage(u"");
    click("buttoner");
    click("buttoner");
    EXPECT_TEXT(u"<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > "
                u"<INPUT TYPE=\"BUTTON\"  VALUE=\"Button2\"  NAME=\"Button2\" > ",
                w.Text1.text());
    EXPECT_EQ(w.page.buttonNo, 3);

    // Older names get an "a", also inside longer names; the caret keeps its offset and
    // the selection stays in the page.
    run([&] { w.page.buttonNo = 1; });
    setPage(u"Button1 Button12 |sel", 17, 3);
    click("buttoner");
    EXPECT_TEXT(u"Button1a Button1a<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > "
                u"2 |sel",
                w.Text1.text());

    // A text area asks its size.
    setPage(u"area1");
    sp.dialogs.expectInput(u"Please enter number of columns",
                           u"Textarea Columns - Assistant: Tolva", u"25", u"40");
    sp.dialogs.expectInput(u"Please enter number of rows", u"Textarea Rows - Assistant: Tolva",
                           u"10", u"");
    click("textarea");
    EXPECT_TEXT(u"<TEXTAREA Cols=\"40\" rows=\"\" NAME=\"area1\" wrap=\"OFF\">\r\nDefault text of "
                u"text area\r\n</TEXTAREA>area1a",
                w.Text1.text());
}

TEST_F(TagCommandsTest, CountersAndOffsetsGoBeyondSixteenBits) {
    String page(40000, u'.');
    page += u"Radio40000";
    run([&] { w.page.radioNo = 40000; });
    setPage(page, 40000);
    click("radios");
    EXPECT_TEXT(u"<INPUT TYPE=\"RADIO\"  VALUE=\"Radio40000\"  NAME=\"Radio40000\">Radio40000a",
                w.Text1.mid(40000, 200));
    EXPECT_EQ(w.page.radioNo, 40001);
}

TEST_F(TagCommandsTest, FileCommandsInsertTheChosenNameOrSayNothingWasChosen) {
    setPage(u"[x]", 1, 1);
    sp.dialogs.expectFile(false, String(u"C:\\My Music\\a b.mid"));
    click("sound");
    EXPECT_TEXT(u"[<BGSOUND SRC=\"C:\\My Music\\a b.mid\" LOOP=5>]", w.Text1.text());
    setPage(u"[x]", 1, 1);
    sp.dialogs.expectFile(false, std::nullopt);
    sp.dialogs.expectMessage(u"No video file was selected.", forms::vbExclamation,
                             u"Assistant: Tolva", forms::vbOK);
    click("clipper");
    EXPECT_TEXT(u"[x]", w.Text1.text());
    EXPECT_TRUE(w.Text1.hasFocus());
}

TEST_F(TagCommandsTest, TypedCommandsArriveAfterTheHandlerOneChangeEachAsThemselves) {
    const String sel = u"a+b^c%d~e{f}(g)[h]";
    setPage(u"[" + sel + u"]", 1, static_cast<int32_t>(sel.size()));
    int changes = 0;
    auto inner = w.Text1.Change;
    w.Text1.Change = [&] {
        ++changes;
        inner();
    };
    run([&] {
        commands::run(w, "linebreaka");
        EXPECT_EQ(changes, 0) << "nothing arrives while the handler runs";
    });
    w.Text1.Change = inner;
    EXPECT_TEXT(u"[<BR>" + sel + u"]", w.Text1.text());
    EXPECT_EQ(changes, static_cast<int>(sel.size()) + 4);

    setPage(u"[x]", 1, 1);
    run([&] { w.menu("wbreaka").click(); });
    EXPECT_TEXT(u"[<WBR>]", w.Text1.text());
}

TEST_F(TagCommandsTest, HeadingAndMouseActionCombosInsertTheirChoice) {
    setPage(u"[]", 1);
    run([&] { w.commandBox.tevcmd.setFocus(); });
    sp.dialogs.expectMessage(u"Choose a valid value from the list", forms::vbOKOnly, u"Tolva",
                             forms::vbOK);
    run([&] { w.InsertHead.click(); });
    EXPECT_TRUE(w.commandBox.tevcmd.hasFocus()) << "the message leaves the focus where it was";

    run([&] { w.headin.setListIndex(2); });
    run([&] { w.InsertHead.click(); });
    EXPECT_TEXT(u"[<H3 ALIGN=\"LEFT\">Level 3 Heading comes here</H3>]", w.Text1.text());

    // The mouse action link asks for the address and the script.
    setPage(u"here", 0, 4);
    run([&] { w.Combo4.setListIndex(1); });
    sp.dialogs.expectInput(u"Enter the URL of the link", u"Tolva", u"", u"page.htm");
    sp.dialogs.expectInput(u"What should happen when the mouse action occurs?", u"Tolva", u"",
                           u"show()");
    run([&] { w.insert.click(); });
    EXPECT_TEXT(u"<A HREF=\"page.htm\" onMouseOver=\"show()\">here</A>", w.Text1.text());
}

} // namespace
