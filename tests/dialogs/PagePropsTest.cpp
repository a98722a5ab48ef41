// The page-properties window as the main window raises it: in front of the page, with
// the keyboard left to the page.
#include "dialogs/PageProps.h"
#include "support/ProgramTest.h"

#include <vector>

using namespace testing_support;
using Change = forms::Form::Change;

class PagePropsTest : public ProgramTest {
protected:
    Tolva& w = main();
    std::vector<Change> changes;
    forms::Subscription watch;
    void record() {
        watch = program.window<PageProps>().listen([this](Change c) {
            if (c != Change::Caption && c != Change::Geometry) changes.push_back(c);
        });
    }
};

TEST_F(PagePropsTest, RaisedAfterStartAndByClicksWithoutTakingTheKeyboard) {
    run([&] { w.Text1.setFocus(); });
    record();
    sp.clock.advance(1000);
    EXPECT_EQ(changes, std::vector<Change>{Change::Front});
    EXPECT_TRUE(program.window<PageProps>().visible());
    EXPECT_EQ(program.runtime().focus(), &w.Text1) << "the first keys typed go to the page";

    changes.clear();
    run([&] { w.Text1.Click(); });
    run([&] { w.Form_Click(); });
    EXPECT_EQ(changes, (std::vector<Change>{Change::Front, Change::Front}));
    EXPECT_EQ(program.runtime().focus(), &w.Text1);

    // A command that opens the window still brings it up to be used.
    changes.clear();
    run([&] { program.window<PageProps>().show(); });
    EXPECT_EQ(changes, std::vector<Change>{Change::Raise});
}

TEST_F(PagePropsTest, AHiddenWindowIsShownByTheTimerStillWithoutTheKeyboard) {
    run([&] { program.window<PageProps>().hide(); });
    record();
    run([&] { w.Text1.Click(); });
    EXPECT_TRUE(changes.empty()) << "a click raises only a window that is open";
    sp.clock.advance(1000);
    EXPECT_TRUE(program.window<PageProps>().visible());
    EXPECT_EQ(changes, std::vector<Change>{Change::Front});
}
