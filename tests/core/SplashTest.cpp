// The splash window's early exits (its full course: the command line tests).
#include "core/Splash.h"
#include "support/ProgramTest.h"

using namespace testing_support;

TEST(SplashTest, AKeyOrAClickSkipsStraightToTheMainWindow) {
    for (bool byKey : {true, false}) {
        ScriptedPlatform sp;
        Program program{sp.platform};
        program.start();
        sp.clock.advance(50);
        program.runtime().invoke([&] {
            Splash& s = *program.loaded<Splash>();
            int k = 'a';
            byKey ? s.KeyPress(k) : s.Frame1.Click();
        });
        EXPECT_EQ(program.loaded<Splash>(), nullptr);
        ASSERT_NE(program.loaded<Tolva>(), nullptr);
        EXPECT_TRUE(program.loaded<Tolva>()->visible());
        sp.clock.advance(5000); // no splash timer is left to fire
    }
}
