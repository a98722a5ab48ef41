// The splash window's early exit by a key (by a click, and its full course: the start-up
// tests with a page named).
#include "core/Splash.h"
#include "support/ProgramTest.h"

using namespace testing_support;

using SplashTest = ProgramTest;

TEST_F(SplashTest, AKeyInTheFirstMomentSkipsStraightToTheMainWindow) {
    program.launch();
    sp.clock.advance(50);
    int k = 'a';
    run([&] { program.loaded<Splash>()->KeyPress(k); });
    EXPECT_EQ(program.loaded<Splash>(), nullptr);
    ASSERT_NE(program.loaded<Tolva>(), nullptr);
    EXPECT_TRUE(program.loaded<Tolva>()->visible());
    sp.clock.advance(5000); // no splash timer is left to fire
}
