// The help window: categories, topics, pages, and the pages that list the program's tables.
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
};

TEST_F(HelpTest, OpensOnTheWelcomePageAndF1AgainBringsTheSameWindow) {
    Helpme& h = open();
    EXPECT_TRUE(h.visible());
    EXPECT_EQ(h.helptext.text().rfind(u"TOLVA HELP:", 0), 0u);
    EXPECT_EQ(&open(), &h);
    run([&] { program.window<PageProps>().picthelpfile.click(); });
    EXPECT_EQ(program.loaded<Helpme>(), &h) << "page properties' help picture opens the same";
    EXPECT_EQ(h.List.listCount(), 0);
    run([&] { h.List_Click(); }); // nothing to choose yet
    EXPECT_EQ(h.helptext.text().rfind(u"TOLVA HELP:", 0), 0u);
}

TEST_F(HelpTest, ACategoryListsItsTopicsOnceAndShowsItsIntroduction) {
    Helpme& h = open();
    run([&] { h.Table.click(); });
    run([&] { h.Table.click(); });
    ASSERT_EQ(h.List.listCount(), 4);
    EXPECT_TEXT(u"Insert table", h.List.item(0));
    EXPECT_TEXT(u"Heading", h.List.item(3));
    run([&] { h.gen.click(); });
    EXPECT_EQ(h.List.listCount(), 17);
    EXPECT_NE(h.helptext.text().find(
                  u"       Just select a topic from the list on the left to view details"),
              String::npos);
}

TEST_F(HelpTest, TopicPagesEndWithTheirMenuAndShortcutAndAPagelessTopicKeepsThePage) {
    Helpme& h = open();
    run([&] { h.others.click(); });
    EXPECT_TEXT(u"Auto Save:\r\n\r\n   Autosave will automatically save your pages once in every "
                u"5 seconds if you are bored of saving your page frequently.\r\n\r\nMenu: Options "
                u">> AutoSave (5 seconds)",
                pageOf(h, u"Auto Save"));
    run([&] { h.Fonts.click(); });
    String bold = pageOf(h, u"Bold");
    EXPECT_EQ(bold.rfind(u"Bold:\r\n\r\n   Select text to be made bold and click.", 0), 0u);
    EXPECT_NE(bold.find(u"Writes: <B>(selected text)</B>"), String::npos);
    EXPECT_NE(bold.find(u"\r\n\r\nMenu: Format >> Bold\r\n\r\nShortcut: Ctrl+B"), String::npos);

    // A topic without a page leaves the page shown.
    run([&] { h.Misc.click(); });
    String address = pageOf(h, u"Address");
    EXPECT_TEXT(address, pageOf(h, u"File upload/Browse"));
}

TEST_F(HelpTest, ShortcutsAndCommandCodesPagesListTheTables) {
    Helpme& h = open();
    run([&] { h.others.click(); });
    String keys = pageOf(h, u"Shortcuts");
    for (StringView line :
         {u"Ctrl+N    File >> New", u"F5    File >> Preview",
          u"Ctrl+F12    Options >> Smart Select", u"Shift+Del    Options >> Auto Delete",
          u"F2    Options >> Temporary ClipBoard >> Paste"})
        EXPECT_NE(keys.find(line), String::npos) << show(line);
    String codes = pageOf(h, u"TevCmd");
    EXPECT_NE(codes.find(u"tevbld    B"), String::npos);
    EXPECT_NE(codes.find(u"tevbtn    Button"), String::npos);
    String assist = pageOf(h, u"Auto Complete");
    EXPECT_NE(assist.find(u"<b>    <B></B>"), String::npos);
    EXPECT_NE(assist.find(u"<img    (opens its dialog)"), String::npos);
}

} // namespace
