// The check that follows the page: its pause, a run overtaken by a later change, the switch,
// the Problems list and count, and the page's marker and caret left as they were.
#include "check/PageCheck.h"
#include "check/Problems.h"
#include "page/Page.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

constexpr char16_t kOpen[] = u"<HTML><BODY>\r\n<P>one <em>x\r\n</BODY></HTML>";
constexpr char16_t kTwo[] = u"<HTML><BODY>\r\n<DIV>\r\n<SPAN>\r\n</BODY></HTML>";
constexpr char16_t kFixed[] = u"<HTML><BODY>\r\n<P>one <em>x</em>\r\n</BODY></HTML>";

class PageCheckTest : public ProgramTest {
protected:
    Tolva& w = main();
    Problems& problems = program.window<Problems>();
    PageCheck& check = problems.pageCheck;
    int heard = 0;
    forms::Subscription hearing = check.listen([this] { ++heard; });

    // What the user does: replaces the whole page.
    void edit(StringView text) { setPage(text); }
    // The pause passes, the worker finishes, and the next look hands its findings over.
    void settle() {
        sp.clock.advance(PageCheck::pauseMs);
        check.waitIdle();
        sp.clock.advance(PageCheck::pollMs);
    }
};

TEST_F(PageCheckTest, ChecksAPauseAfterTheLastChangeOnly) {
    settle(); // the page at start
    heard = 0;
    edit(kTwo);
    sp.clock.advance(PageCheck::pauseMs - 1);
    edit(kOpen); // typing goes on: the pause starts again
    sp.clock.advance(PageCheck::pauseMs - 1);
    check.waitIdle();
    EXPECT_EQ(check.runs(), 1u) << "only the page at start was checked";

    sp.clock.advance(1);
    check.waitIdle();
    sp.clock.advance(PageCheck::pollMs);
    EXPECT_EQ(heard, 1);
    ASSERT_EQ(check.problems().size(), 1u);
    EXPECT_EQ(check.problems()[0].start, 21);
    EXPECT_EQ(problems.count.caption(), u"1 problem");
    EXPECT_EQ(problems.List1.item(0), u"2, 8, warning, missing </em> before </body>");

    edit(kFixed);
    settle();
    EXPECT_TRUE(check.problems().empty()) << "fixed, the problem goes";
    EXPECT_EQ(problems.count.caption(), u"No problems");
    EXPECT_EQ(problems.List1.listCount(), 0);
}

TEST_F(PageCheckTest, ALaterChangeThrowsAwayARunOnTheOlderText) {
    settle();
    edit(kOpen);
    sp.clock.advance(PageCheck::pauseMs); // the run on kOpen is handed to the worker
    edit(kTwo);                           // and overtaken before its findings come back
    check.waitIdle();
    sp.clock.advance(PageCheck::pollMs);
    EXPECT_TRUE(check.problems().empty()) << "nothing of the old text is shown";

    settle();
    ASSERT_EQ(check.problems().size(), 2u);
    EXPECT_EQ(problems.count.caption(), u"2 problems");
    EXPECT_EQ(check.problems()[0].line, 2);
    EXPECT_EQ(check.problems()[1].line, 3);
}

// Its text and undo left alone: ProblemsViewTest, with real typing.
TEST_F(PageCheckTest, TheSwitchDropsTheFindingsAndBringsThemBackAndThePageIsNotTouched) {
    edit(kTwo);
    run([&] { w.Text1.setSelStart(7); });
    run([&] { program.page().star = u""; });
    settle();
    ASSERT_EQ(check.problems().size(), 2u);
    EXPECT_EQ(program.page().star, u"") << "the check is no change";
    EXPECT_EQ(w.Text1.selStart(), 7);
    run([&] { problems.checking.click(); });
    EXPECT_FALSE(check.on());
    EXPECT_TRUE(check.problems().empty());
    EXPECT_EQ(problems.count.caption(), u"Not checked");
    edit(kOpen);
    settle();
    EXPECT_EQ(check.runs(), 1u) << "off, nothing runs";

    run([&] { problems.checking.click(); });
    settle();
    EXPECT_EQ(check.problems().size(), 1u);
}

} // namespace
