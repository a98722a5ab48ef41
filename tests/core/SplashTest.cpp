// The splash window's timed sequence and its early exit.
#include "core/Splash.h"
#include "support/ProgramTest.h"

using namespace testing_support;

class SplashTest : public ProgramTest {
protected:
    Splash& splash() { return *program.loaded<Splash>(); }
};

TEST_F(SplashTest, StepsThroughItsTimersThenShowsTheMainWindow) {
    program.start();
    ASSERT_NE(program.loaded<Splash>(), nullptr);
    EXPECT_TEXT(u"Version 1.0.0", splash().lblVersion.caption());
    EXPECT_TEXT(u"Tolva", splash().lblProductName.caption());
    sp.clock.advance(75);
    EXPECT_EQ(splash().ProgressBar1.value(), 2);
    EXPECT_TEXT(u"Loading Tolva.....", splash().loader.caption());
    sp.clock.advance(279); // 354: the name is spelled out a letter at a time
    EXPECT_EQ(splash().ProgressBar1.value(), 29);
    EXPECT_TEXT(u"To", splash().lblProductName.caption());
    sp.clock.advance(131); // 485
    EXPECT_EQ(splash().ProgressBar1.value(), 43);
    EXPECT_TEXT(u"Initializing preview browser", splash().loader.caption());
    sp.clock.advance(415); // 900
    EXPECT_EQ(splash().ProgressBar1.value(), 79);
    EXPECT_TEXT(u"Tolva", splash().lblProductName.caption());
    EXPECT_TEXT(u"Loading default page", splash().loader.caption());
    sp.clock.advance(300); // 1200
    EXPECT_EQ(splash().ProgressBar1.value(), 87);
    EXPECT_TEXT(u"Please wait....", splash().loader.caption());
    EXPECT_EQ(program.loaded<Tolva>(), nullptr);
    sp.clock.advance(1299);
    EXPECT_EQ(program.loaded<Tolva>(), nullptr);
    sp.clock.advance(1); // 2500
    EXPECT_EQ(program.loaded<Splash>(), nullptr) << "the splash closes";
    ASSERT_NE(program.loaded<Tolva>(), nullptr);
    EXPECT_TRUE(program.loaded<Tolva>()->visible());
    EXPECT_TEXT(u"Untitled[]: Tolva -By Quendry", program.loaded<Tolva>()->caption());
}

TEST_F(SplashTest, AKeyInTheFirstMomentSkipsStraightToTheMainWindow) {
    program.start();
    sp.clock.advance(50);
    EXPECT_EQ(splash().ProgressBar1.value(), 0);
    int k = 'a';
    run([&] { splash().KeyPress(k); });
    EXPECT_EQ(program.loaded<Splash>(), nullptr);
    ASSERT_NE(program.loaded<Tolva>(), nullptr);
    EXPECT_TRUE(program.loaded<Tolva>()->visible());
    sp.clock.advance(5000); // no splash timer is left to fire
}

TEST_F(SplashTest, AClickOnTheFrameSkipsToo) {
    program.start();
    run([&] { splash().Frame1.Click(); });
    ASSERT_NE(program.loaded<Tolva>(), nullptr);
}
