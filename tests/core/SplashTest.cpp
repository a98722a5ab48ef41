// The splash window's timed sequence and its early exits.
#include "core/Splash.h"
#include "support/ProgramTest.h"

using namespace testing_support;

class SplashTest : public ProgramTest {
protected:
    Splash& splash() { return *program.loaded<Splash>(); }
};

TEST_F(SplashTest, ShowsTheMainWindowAfterTwoAndAHalfSeconds) {
    program.start();
    sp.clock.advance(354); // the name is spelled out a letter at a time
    EXPECT_TEXT(u"To", splash().lblProductName.caption());
    sp.clock.advance(2145);
    EXPECT_EQ(program.loaded<Tolva>(), nullptr);
    sp.clock.advance(1);
    EXPECT_EQ(program.loaded<Splash>(), nullptr) << "the splash closes";
    ASSERT_NE(program.loaded<Tolva>(), nullptr);
    EXPECT_TRUE(program.loaded<Tolva>()->visible());
}

TEST_F(SplashTest, AKeyOrAClickSkipsStraightToTheMainWindow) {
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
