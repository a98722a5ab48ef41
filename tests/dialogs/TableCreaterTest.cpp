// The table creator: the whole table and rows-only builds, its boxes and arrows, the
// openers and the refused counts.
#include "dialogs/TableCreater.h"
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

constexpr char16_t kDefaultTable[] =
    u"<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
    u"<CAPTION></CAPTION>\r\n"
    u"<TR>\r\n"
    u" <TD> row 1 col 1 </TD> \r\n"
    u" <TD> row 1 col 2 </TD> \r\n"
    u"</TR>\r\n"
    u"<TR>\r\n"
    u" <TD> row 2 col 1 </TD> \r\n"
    u" <TD> row 2 col 2 </TD> \r\n"
    u"</TR>\r\n"
    u"</TABLE>\r\n";

constexpr char16_t kOneRow[] = u"<TR>\r\n"
                               u" <TD> row 1 col 1 </TD> \r\n"
                               u" <TD> row 1 col 2 </TD> \r\n"
                               u"</TR>\r\n";

class TableCreaterTest : public ProgramTest {
protected:
    TableCreater& open(const char* command = "Table") {
        Tolva& w = main();
        run([&] { commands::run(w, command); });
        return *program.loaded<TableCreater>();
    }
    void press() {
        run([&] { program.loaded<TableCreater>()->btnCreateTbl.click(); });
    }
    String page() { return main().Text1.text(); }
};

TEST_F(TableCreaterTest, DefaultTableReplacesTheSelectionAndTheDialogGoes) {
    setPage(u"ab<XY>cd", 2, 4);
    TableCreater& t = open();
    EXPECT_TEXT(u"Create Table: Tolva", t.caption());
    EXPECT_TEXT(u"Create Table", t.btnCreateTbl.caption());
    EXPECT_TRUE(t.visible());
    EXPECT_TRUE(t.Frame2.visible());
    press();
    EXPECT_TEXT(String(u"ab") + kDefaultTable + u"cd", page());
    EXPECT_EQ(main().Text1.selStart(), 2 + static_cast<int32_t>(String(kDefaultTable).size()));
    EXPECT_EQ(program.loaded<TableCreater>(), nullptr);
    EXPECT_TRUE(main().Text1.hasFocus());
}

TEST_F(TableCreaterTest, FieldsOfOthersGoIntoTheTableTag) {
    setPage(u"");
    TableCreater& t = open();
    typeChars(t.txtcaption, u"Prices");
    run([&] { t.borderUpDown.up(); });
    enter(t.txtcelpad, u"3");
    run([&] { t.celspacUpDown.up(); });
    enter(t.i, u"1");
    enter(t.j, u"1");
    press();
    EXPECT_TEXT(u"<TABLE BORDER=\"2\" CELLPADDING=\"3\" CELLSPACING=\"1\" >  \r\n"
                u"<CAPTION>Prices</CAPTION>\r\n"
                u"<TR>\r\n"
                u" <TD> row 1 col 1 </TD> \r\n"
                u"</TR>\r\n"
                u"</TABLE>\r\n",
                page());
}

TEST_F(TableCreaterTest, RowOpenerCutsTheDialogDownToRows) {
    setPage(u"one", 0);
    TableCreater& t = open("Row");
    // The user goes on editing while the dialog is open: the rows go where the caret is then.
    setPage(u"<TABLE>\r\n</TABLE>", 9);
    EXPECT_TEXT(u"Insert Row", t.caption());
    EXPECT_TEXT(u"Insert Row", t.btnCreateTbl.caption());
    EXPECT_TEXT(u"1", t.i.text());
    EXPECT_FALSE(t.fullTable);
    EXPECT_EQ(t.height(), 2700);
    EXPECT_FALSE(t.Frame2.visible());
    EXPECT_TRUE(t.Frame1.visible());
    press();
    EXPECT_TEXT(String(u"<TABLE>\r\n") + kOneRow + u"</TABLE>", page());
    // The next opening loads the whole table afresh.
    TableCreater& again = open("Table");
    EXPECT_TRUE(again.fullTable);
    EXPECT_TEXT(u"2", again.i.text());
    EXPECT_TEXT(u"Create Table: Tolva", again.caption());
    EXPECT_TRUE(again.Frame2.visible());
}

TEST_F(TableCreaterTest, ModeSwitchesOfAnOpenDialog) {
    setPage(u"");
    TableCreater& t = open("Row");
    open("Table");
    EXPECT_EQ(program.loaded<TableCreater>(), &t);
    EXPECT_FALSE(t.fullTable) << "Table only brings the rows-only dialog forward";
    EXPECT_TEXT(u"Insert Row", t.caption());

    run([&] { t.unload(); });
    TableCreater& full = open("Table");
    enter(full.i, u"5");
    run([&] { main().menu("rowa").click(); });
    EXPECT_FALSE(full.fullTable);
    EXPECT_TEXT(u"1", full.i.text());
    EXPECT_FALSE(full.Frame2.visible());
}

TEST_F(TableCreaterTest, ZeroRowsAndZeroColumns) {
    setPage(u"");
    TableCreater& t = open();
    enter(t.i, u"0");
    press();
    EXPECT_TEXT(u"<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
                u"<CAPTION></CAPTION>\r\n"
                u"</TABLE>\r\n",
                page());

    setPage(u"keep[sel]keep", 4, 5);
    TableCreater& rows = open("Row");
    enter(rows.i, u"0");
    press();
    EXPECT_TEXT(u"keepkeep", page()) << "the empty fragment deletes the selection";

    setPage(u"");
    TableCreater& cols = open();
    enter(cols.j, u"0");
    press();
    EXPECT_TEXT(u"<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
                u"<CAPTION></CAPTION>\r\n"
                u"<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n"
                u"</TABLE>\r\n",
                page());
}

TEST_F(TableCreaterTest, CountsThatAreNotWholeOrTooLargeAreRefused) {
    setPage(u"page");
    TableCreater& t = open();
    struct Case {
        StringView rows, cols;           // as pasted (numberguard checks only the last character)
        StringView rowsAfter, colsAfter; // the offending count is reset
    } cases[] = {
        {u"1x2", u"2", u"2", u"2"},
        {u"2", u"2.5", u"2", u"2"},
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
        EXPECT_TRUE(sp.dialogs.done());
        EXPECT_TEXT(c.rowsAfter, t.i.text());
        EXPECT_TEXT(c.colsAfter, t.j.text());
        EXPECT_TEXT(u"page", page());
        ASSERT_EQ(program.loaded<TableCreater>(), &t) << "the dialog stays for another try";
    }

    run([&] { t.i.setText(u"1000"); });
    run([&] { t.j.setText(u"100"); });
    press();
    EXPECT_EQ(program.loaded<TableCreater>(), nullptr);
    EXPECT_NE(page().find(u" <TD> row 1000 col 100 </TD> \r\n</TR>\r\n</TABLE>\r\n"), String::npos);
}

} // namespace
