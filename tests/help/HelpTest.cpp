// The help window: topic pages built from the program's tables, and one window for F1
// and for page properties' help picture.
#include "dialogs/PageProps.h"
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

} // namespace
