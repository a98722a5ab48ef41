// The table creator: the whole table and rows-only builds, the openers and refused counts.
#include "dialogs/TableCreater.h"
#include "dialogs/DialogTest.h"

using namespace testing_support;

namespace {

class TableCreaterTest : public DialogTest<TableCreater> {
protected:
    TableCreater& open(const char* command = "Table") { return DialogTest::open(command); }
    void press() { click(program.loaded<TableCreater>()->btnCreateTbl); }
};

TEST_F(TableCreaterTest, TheTableReplacesTheSelectionWithTheFieldsInItsTag) {
    setPage(u"ab<XY>cd", 2, 4);
    open();
    press();
    // The table's layout: ElementDialogViewsTest, and below.
    String p = page();
    EXPECT_TRUE(p.starts_with(u"ab<TABLE ") && p.ends_with(u"</TABLE>\r\ncd")) << show(p);
    EXPECT_EQ(main().Text1.selStart(), static_cast<int32_t>(p.size()) - 2);
    EXPECT_EQ(program.loaded<TableCreater>(), nullptr);

    setPage(u"");
    TableCreater& t = open();
    typeChars(t.txtcaption, u"Prices");
    run([&] { t.borderUpDown.up(); });
    enter(t.txtcelpad, u"3");
    run([&] { t.celspacUpDown.up(); });
    enter(t.i, u"1");
    enter(t.j, u"0");
    press();
    EXPECT_TEXT(u"<TABLE BORDER=\"2\" CELLPADDING=\"3\" CELLSPACING=\"1\" >  \r\n"
                u"<CAPTION>Prices</CAPTION>\r\n"
                u"<TR>\r\n</TR>\r\n"
                u"</TABLE>\r\n",
                page());
}

TEST_F(TableCreaterTest, RowOpenerCutsTheDialogDownToRowsAndSwitchesAnOpenOne) {
    setPage(u"keep[sel]keep", 4, 5);
    enter(open("Row").i, u"0");
    press();
    EXPECT_TEXT(u"keep[sel]keep", page()) << "no rows deletes nothing";

    TableCreater& full = open("Table");
    EXPECT_TRUE(full.fullTable) << "the next opening loads the whole table afresh";
    run([&] { main().menu("rowa").click(); });
    EXPECT_EQ(program.loaded<TableCreater>(), &full);
    EXPECT_FALSE(full.fullTable);
    open("Table");
    EXPECT_FALSE(full.fullTable) << "Table only brings the rows-only dialog forward";
}

TEST_F(TableCreaterTest, CountsThatAreNotWholeOrTooLargeAreRefused) {
    setPage(u"page");
    TableCreater& t = open();
    struct Case {
        StringView rows, cols;           // as pasted (numberguard checks only the last character)
        StringView rowsAfter, colsAfter; // the offending count is reset
    } cases[] = {
        {u"1x2", u"2", u"2", u"2"},
        {u"1001", u"100", u"2", u"100"}, // more than a hundred thousand cells
        // Beyond the 32-bit counters, and rows without cells: still refused, never a hang.
        {u"3000000000", u"0", u"2", u"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(show(c.rows) + " x " + show(c.cols));
        run([&] { t.i.setText(c.rows); });
        run([&] { t.j.setText(c.cols); });
        expectInvalid();
        press();
        EXPECT_TEXT(c.rowsAfter, t.i.text());
        EXPECT_TEXT(c.colsAfter, t.j.text());
        EXPECT_TEXT(u"page", page());
        ASSERT_EQ(program.loaded<TableCreater>(), &t) << "the dialog stays for another try";
    }
    run([&] { t.i.setText(u"1000"); });
    run([&] { t.j.setText(u"100"); });
    press();
    EXPECT_NE(page().find(u" <TD> row 1000 col 100 </TD> \r\n</TR>\r\n</TABLE>\r\n"), String::npos);
}

} // namespace
