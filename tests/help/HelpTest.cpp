// The help window: topic pages built from the program's tables, and one window for F1
// and for page properties' help picture.
#include "commands/CommandBox.h"
#include "commands/Menus.h"
#include "dialogs/PageProps.h"
#include "help/Guide.h"
#include "help/Helpme.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

class HelpTest : public ProgramTest {
protected:
    Tolva& w = main();
    Helpme& open() {
        run([&] { w.menu("helpa").click(); });
        return *program.loaded<Helpme>();
    }
    String pageOf(Helpme& h, StringView title) {
        for (int i = 0; i < h.List.listCount(); ++i)
            if (h.List.item(i) == title) run([&] { h.List.setListIndex(i); });
        return h.helptext.text();
    }
    void expectIn(const String& page, StringView line) {
        EXPECT_NE(page.find(line), String::npos) << show(line);
    }
};

TEST_F(HelpTest, F1AndPagePropertiesHelpPictureBringTheSameWindowAndACategoryListsOnce) {
    Helpme& h = open();
    EXPECT_EQ(&open(), &h);
    run([&] { program.window<PageProps>().picthelpfile.click(); });
    EXPECT_EQ(program.loaded<Helpme>(), &h);
    run([&] { h.Table.click(); });
    run([&] { h.Table.click(); });
    EXPECT_EQ(h.List.listCount(), 4);
}

TEST_F(HelpTest, PagesAreBuiltFromTheTablesAndAPagelessTopicKeepsThePage) {
    Helpme& h = open();
    run([&] { h.Fonts.click(); });
    String bold = pageOf(h, u"Bold");
    EXPECT_EQ(bold.rfind(u"Bold:\r\n\r\n   Select text to be made bold and click.", 0), 0u);
    expectIn(bold, u"Writes: <B>(selected text)</B>");
    expectIn(bold, u"\r\n\r\nMenu: Format >> Bold\r\n\r\nShortcut: Ctrl+B");
    run([&] { h.Misc.click(); });
    String address = pageOf(h, u"Address");
    EXPECT_TEXT(address, pageOf(h, u"File upload/Browse"));
    run([&] { h.others.click(); });
    expectIn(pageOf(h, u"Shortcuts"), u"F2    Options >> Temporary ClipBoard >> Paste");
    expectIn(pageOf(h, u"Auto Complete"), u"<img    (opens its dialog)");
}

TEST_F(HelpTest, APageNamesTheFirstMenuItemThatRunsItsControlsCommand) {
    Helpme& h = open();
    run([&] { h.others.click(); });
    // The toolbar picture's topic finds the item of the command it runs.
    expectIn(pageOf(h, u"Restore Points"),
             u"Menu: Options >> Restore >> Create Restore >> Restore Point 1");
    // A topic whose control has no command names its item itself.
    expectIn(pageOf(h, u"Temporary Clipboard"),
             u"Menu: Options >> Temporary ClipBoard >> Master Temporary Clipboard\r\n\r\n"
             u"Shortcut: Ctrl+M");
    run([&] { h.gen.click(); });
    expectIn(pageOf(h, u"Numbering"), u"Menu: Insert >> Numbering");
    EXPECT_EQ(pageOf(h, u"Point").find(u"Menu:"), String::npos);
}

// The guide's pages are written from the tables: a code, a shortcut or an assistant row
// added to the program shows in its page without another word of help.
TEST_F(HelpTest, TheGuideHasAPageForEachSubjectThatFollowsTheProgramsTables) {
    Helpme& h = open();
    run([&] { h.guide.click(); });
    ASSERT_EQ(h.List.listCount(), static_cast<int>(help::guide().size()));
    for (const help::Topic& t : help::guide()) {
        SCOPED_TRACE(forms::toUtf8(t.title));
        String page = pageOf(h, t.title);
        EXPECT_GT(page.size(), 150u) << "a page of its own, not the one before";
        EXPECT_EQ(page.find(u"\r\n\r\n\r\n"), String::npos) << "one empty line between parts";
    }
    String box = pageOf(h, u"The command box");
    expectIn(box, u"Options >> TevCmd (F4)");
    for (const CommandBox::Code& c : CommandBox::codes())
        expectIn(box, String(u"\r\n") + String(c.code) + u"  runs  ");
    String keys = pageOf(h, u"Keyboard shortcuts");
    for (const MenuEntry& e : menuTable())
        if (*e.shortcut)
            expectIn(keys, forms::fromUtf8(e.shortcut) + u"  " + help::menuPath(e.name));
    String assistant = pageOf(h, u"The typing assistant");
    expectIn(assistant, u"Options >> Auto Complete turns the assistant on or off");
    expectIn(assistant, u"Options >> Assistant: while ticked");
    expectIn(assistant, u"<img  gives  opens its dialog");
    // A dialog's page is an ordinary topic page: its command's sentence, menu and shortcut.
    String link = pageOf(h, u"The link dialog");
    expectIn(link, String(commands::row(commands::Id::linker).sentence));
    expectIn(link, u"Menu: Insert >> Hyperlink\r\n\r\nShortcut: Ctrl+K");
}

} // namespace
