// Inserting, listing, going to and picking up bookmarks.
#include "dialogs/Bookeeper.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

class BookmarksTest : public ProgramTest {
protected:
    Tolva& w = main();

    void insert(StringView name) {
        sp.dialogs.expectInput(u"Enter the name of the bookmark", u"Assistant: Tolva", u"", name);
        run([&] { w.menu("mnubookmark").click(); });
    }
    Bookeeper& list() { return *program.loaded<Bookeeper>(); }
};

TEST_F(BookmarksTest, InsertPutsTheAnchorAtTheCaretAndRecordsItEveryTime) {
    setPage(u"ab", 1, 0);
    run([&] { w.helper.setFocus(); });
    insert(u"");
    EXPECT_TEXT(u"ab", w.Text1.text()) << "an empty name inserts and records nothing";
    EXPECT_TRUE(w.Text1.hasFocus());
    EXPECT_EQ(program.loaded<Bookeeper>(), nullptr);
    insert(u"top");
    EXPECT_TEXT(u"a<a name=\"top\">Start from here</a>b", w.Text1.text());
    EXPECT_EQ(w.Text1.selStart(), 34);
    insert(u"top");
    ASSERT_NE(program.loaded<Bookeeper>(), nullptr);
    EXPECT_FALSE(list().visible()) << "recorded in the hidden window";
    EXPECT_EQ(list().List1.listCount(), 2);
    EXPECT_TEXT(u"<a name=\"top\">Start from here</a>", list().List2.item(1));
}

TEST_F(BookmarksTest, GoMovesTheCaretToTheFirstOccurrenceOfTheChosenAnchor) {
    setPage(u"0123456789", 10, 0);
    insert(u"top");
    run([&] { w.Text1.setSelStart(0); });
    insert(u"top"); // a second, earlier copy
    run([&] { w.Text1.setSelStart(5); });
    run([&] { w.menu("mnubookmarks").click(); });
    run([&] { list().List1.setListIndex(0); });
    run([&] { list().OKButton.click(); });
    EXPECT_EQ(w.Text1.selStart(), 0);
    EXPECT_TRUE(w.Text1.hasFocus());

    run([&] { list().userClose(); });
    run([] {});
    ASSERT_NE(program.loaded<Bookeeper>(), nullptr) << "the close box hides and keeps the list";
    EXPECT_EQ(list().List1.listCount(), 2);

    // Edited away: the caret stays.
    run([&] { w.Text1.setText(u"plain"); });
    run([&] { w.Text1.setSelStart(3); });
    run([&] { list().OKButton.click(); });
    EXPECT_EQ(w.Text1.selStart(), 3);
}

TEST_F(BookmarksTest, FindNextSelectsTheNextAnchorButNeverOneAtTheStartOrNeverClosed) {
    setPage(u"text <a name=\"x\">Start from here</a> more", 0, 0);
    run([&] { w.menu("mnubookmarks").click(); });
    run([&] { list().Picture1.click(); });
    EXPECT_EQ(w.Text1.selStart(), 5);
    EXPECT_TEXT(u"<a name=\"x\">Start from here</a>", w.Text1.selText());
    ASSERT_EQ(list().List1.listCount(), 1);
    EXPECT_TEXT(u"x", list().List1.item(0));

    setPage(u"<a name=\"x\">Start from here</a>", 0, 0);
    sp.dialogs.expectMessage(u"No more bookmarks found", forms::vbOKOnly, u"Tolva", forms::vbOK);
    run([&] { list().Picture1.click(); });

    setPage(u"ab<a name=\"y\">open", 0, 0);
    run([&] { list().Picture1.click(); });
    EXPECT_EQ(list().List1.listCount(), 1);
    EXPECT_EQ(w.Text1.selLength(), 0);
}

} // namespace
